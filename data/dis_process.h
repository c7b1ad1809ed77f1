// What the link does after the controller has committed a frame (signal 130).
#pragma once

#include <cstdint>

// Request mask, status record, the next telegram and the answer, in this order.
void DIS_ProcessFrame();

// Answers that matched no awaited job (diagnostics and tests).
uint16_t DIS_GetUnmatchedAnswers();
void DIS_ResetUnmatchedAnswers();
