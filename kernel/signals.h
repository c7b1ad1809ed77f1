// The signal catalogue: every signal number the unit's state machines share.
#pragma once

#include <cstdint>

using Signal = uint16_t;

// Reserved by the state machine engine.
constexpr Signal SIG_NONE = 0;  // neutralised (purged) event
constexpr Signal SIG_EMPTY = 1;
constexpr Signal SIG_ENTRY = 2;
constexpr Signal SIG_INIT = 3;
constexpr Signal SIG_EXIT = 4;
constexpr Signal SIG_EXIT_ALL = 5;

// Menu-internal signals sent with HSM_Send inside the menu machine.
constexpr Signal SIG_MENU_INTERNAL_6 = 6;
constexpr Signal SIG_MENU_INTERNAL_7 = 7;  // parameter: a state handler

// Key task control.
constexpr Signal SIG_TAS_8 = 8;  // consumed by the key task
constexpr Signal SIG_TAS_ACCEL = 9;
constexpr Signal SIG_TAS_FLUSH = 10;
constexpr Signal SIG_TAS_DOWN = 12;
constexpr Signal SIG_TAS_UP = 13;

// Key events to the menus.
constexpr Signal SIG_KEY_ANY = 15;
constexpr Signal SIG_KEY_RELEASE_ANY = 16;
constexpr Signal SIG_KEY3_PRESS = 17;  // Back
constexpr Signal SIG_KEY3_RELEASE = 18;
constexpr Signal SIG_KEY0_PRESS = 20;  // Up
constexpr Signal SIG_KEY0_RELEASE = 21;
constexpr Signal SIG_KEY5_PRESS = 23;  // Left
constexpr Signal SIG_KEY5_RELEASE = 24;
constexpr Signal SIG_KEY2_PRESS = 26;  // Down
constexpr Signal SIG_KEY2_RELEASE = 27;
constexpr Signal SIG_KEY6_PRESS = 29;  // Right
constexpr Signal SIG_KEY6_RELEASE = 30;
constexpr Signal SIG_KEY1_PRESS = 32;  // OK
constexpr Signal SIG_KEY1_RELEASE = 33;
constexpr Signal SIG_KEY4_PRESS = 35;  // Menu
constexpr Signal SIG_KEY4_RELEASE = 36;
constexpr Signal SIG_KEY7_PRESS = 38;  // Help
constexpr Signal SIG_KEY7_RELEASE = 39;
constexpr Signal SIG_KEY8_PRESS = 65;  // OK+Up
constexpr Signal SIG_KEY8_RELEASE = 66;
constexpr Signal SIG_KEY9_PRESS = 68;  // OK+Down
constexpr Signal SIG_KEY9_RELEASE = 69;
constexpr Signal SIG_KEY10_PRESS = 71;  // Menu+OK
constexpr Signal SIG_KEY10_RELEASE = 72;
constexpr Signal SIG_KEY11_PRESS = 74;  // Menu+Down
constexpr Signal SIG_KEY11_RELEASE = 75;
constexpr Signal SIG_KEY12_PRESS = 77;  // OK+Back
constexpr Signal SIG_KEY12_RELEASE = 78;
constexpr Signal SIG_KEY1_LONG = 80;
constexpr Signal SIG_KEY_FAST = 83;

// Range purged by SIG_TAS_FLUSH.
constexpr Signal SIG_KEY_FIRST_FLUSHED = 14;
constexpr Signal SIG_KEY_LAST_FLUSHED = 84;

// Backlight commands to AO_BEL.
constexpr Signal SIG_BEL_OFF = 86;
constexpr Signal SIG_BEL_RAMP_LEVEL1 = 87;
constexpr Signal SIG_BEL_SET_LEVEL1 = 88;
constexpr Signal SIG_BEL_RAMP_LEVEL2 = 89;
constexpr Signal SIG_BEL_SET_LEVEL2 = 90;
constexpr Signal SIG_BEL_SET_LEVEL = 91;
constexpr Signal SIG_BEL_MODE_SET = 92;
constexpr Signal SIG_BEL_MODE_IDLE = 93;

// Menu-internal signals 94..97.
constexpr Signal SIG_MENU_INTERNAL_94 = 94;
constexpr Signal SIG_MENU_INTERNAL_95 = 95;
constexpr Signal SIG_MENU_INTERNAL_96 = 96;
constexpr Signal SIG_MENU_INTERNAL_97 = 97;

// Timer task.
constexpr Signal SIG_DTM_TICKS_ON = 98;
constexpr Signal SIG_DTM_TICKS_OFF = 99;
constexpr Signal SIG_DTM_IGNORED_100 = 100;
constexpr Signal SIG_DTM_IGNORED_101 = 101;
constexpr Signal SIG_DTM_IGNORED_102 = 102;
constexpr Signal SIG_DTM_SET_CLOCK = 103;

// One-shot timers: set requests to AO_DTM and their time-outs.
constexpr Signal SIG_TIMER_A_SET = 104;
constexpr Signal SIG_TIMER_A_TIMEOUT = 105;
constexpr Signal SIG_TIMER_B_SET = 106;
constexpr Signal SIG_TIMER_B_TIMEOUT = 107;
constexpr Signal SIG_TIMER_C_SET = 108;
constexpr Signal SIG_TIMER_C_TIMEOUT = 109;
constexpr Signal SIG_TIMER_D_SET = 110;
constexpr Signal SIG_TIMER_D_TIMEOUT = 111;
constexpr Signal SIG_TIMER_K_SET = 112;
constexpr Signal SIG_TIMER_K_TIMEOUT = 113;
constexpr Signal SIG_TIMER_E_SET = 114;
constexpr Signal SIG_TIMER_E_TIMEOUT = 115;
constexpr Signal SIG_TIMER_F_SET = 116;
constexpr Signal SIG_TIMER_F_TIMEOUT = 117;
constexpr Signal SIG_TIMER_G_SET = 118;
constexpr Signal SIG_TIMER_G_TIMEOUT = 119;
constexpr Signal SIG_DTM_BEEP = 120;
constexpr Signal SIG_TIMER_H_SET = 121;
constexpr Signal SIG_TIMER_H_TIMEOUT = 122;
constexpr Signal SIG_TIMER_I_SET = 123;
constexpr Signal SIG_TIMER_I_TIMEOUT = 124;

// Periodic signals of the 100 ms tick.
constexpr Signal SIG_MENU_TICK = 125;
constexpr Signal SIG_DIS_SUPERVISE = 126;
constexpr Signal SIG_DIS_CYCLE_FAST = 127;
constexpr Signal SIG_DIS_CYCLE_SLOW = 128;
constexpr Signal SIG_DIS_FRAME_COMMITTED = 130;

// Alive signals of the supervision.
constexpr Signal SIG_ALIVE_ADC = 131;
constexpr Signal SIG_ALIVE_20MS = 132;
constexpr Signal SIG_ALIVE_10MS = 133;
constexpr Signal SIG_ALIVE_100MS = 134;

// Service serial port.
constexpr Signal SIG_SER_RX = 136;
constexpr Signal SIG_SER_TX_DONE = 137;

// Display link control.
constexpr Signal SIG_DIS_ENABLE = 140;
constexpr Signal SIG_DIS_STOP = 141;
constexpr Signal SIG_DIS_RESET = 142;
constexpr Signal SIG_DIS_START = 143;

// Menu-internal signals 144..147 and 161.
constexpr Signal SIG_MENU_INTERNAL_144 = 144;
constexpr Signal SIG_MENU_INTERNAL_145 = 145;
constexpr Signal SIG_MENU_INTERNAL_146 = 146;
constexpr Signal SIG_MENU_MONITOR_REQUEST = 147;
constexpr Signal SIG_MENU_INTERNAL_161 = 161;

// Restart requests.
constexpr Signal SIG_3UHR_RESTART = 148;
constexpr Signal SIG_REG_RESET = 149;

// Controller data changed.
constexpr Signal SIG_DATA_154 = 154;
constexpr Signal SIG_DATA_155 = 155;
constexpr Signal SIG_DATA_165 = 165;
constexpr Signal SIG_DATA_STATUS = 170;
constexpr Signal SIG_DATA_198 = 198;
constexpr Signal SIG_DATA_218 = 218;

constexpr Signal SIG_DIS_STARTED = 166;
constexpr Signal SIG_DIS_SEND_NOW = 167;
constexpr Signal SIG_DIS_CYCLIC_ON = 168;
constexpr Signal SIG_DIS_CYCLIC_OFF = 169;

// Job signals of the display link: 171..188 and 193..197.
constexpr Signal SIG_DIS_JOB_FIRST = 171;
constexpr Signal SIG_DIS_JOB_LAST = 188;
constexpr Signal SIG_DIS_JOB2_FIRST = 193;
constexpr Signal SIG_DIS_JOB2_LAST = 197;

constexpr Signal SIG_BED_ERROR_RESET = 199;
