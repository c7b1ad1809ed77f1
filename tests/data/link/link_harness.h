// The link's modules without the link task: the data image with its
// demonstration data, and recorders in place of active objects 1, 4 and 5
// that keep every event the link posts.
#pragma once

#include <cstdint>
#include <vector>

#include "kernel/hsm.h"
#include "tests/support/test_host.h"

using Bytes = std::vector<uint8_t>;

struct PostedEvent {
  uint8_t ao;
  Signal sig;
  uint32_t par;
};

class LinkHarness {
 public:
  LinkHarness();

  // Delivers the events posted so far to the recorders.
  void deliver();
  std::vector<PostedEvent> posted(uint8_t ao, Signal sig);
  void clearPosted() { events.clear(); }

  // Bytes of a write frame of object `id` with `data`, checksum included.
  static Bytes writeFrame(uint8_t id, const Bytes& data);
  // Feeds the bytes to the bus entry points and ends the frame; answers
  // whether every byte was acknowledged.
  bool receive(const Bytes& frame);
  // The controller writes `request` and reads; returns the bytes sent.
  Bytes read(uint8_t request = 0, bool acknowledge = true);

  // Writes an answer of `job` for `circuit` (32 bytes from `data` on
  // byte 2) with the given sequence bits and processes the frame.
  void answer(uint8_t job, uint8_t circuit, const Bytes& data, uint8_t sequence = 2);
  // Reads the offered telegram (empty when none) after processing a frame.
  Bytes nextTelegram();

  TestHost test;
  static std::vector<PostedEvent> events;
};
