#include "tests/support/test_host.h"

#include "kernel/app.h"
#include "sim/unit.h"

TestHost::TestHost(int64_t startLocalSeconds) : host(startLocalSeconds) {
  host.setListener(this);
  HOST_Install(&host);
  APP_ProcessReset();
}

TestHost::~TestHost() { HOST_Install(nullptr); }

void TestHost::runUnitFor(uint64_t ms) {
  host.schedule(ms, [this] { host.requestStop(); });
  SIM_RunUnit(host);
}

size_t TestHost::traceCount(const std::string& needle) const {
  size_t count = 0;
  for (size_t pos = traces.find(needle); pos != std::string::npos;
       pos = traces.find(needle, pos + needle.size()))
    ++count;
  return count;
}

void TestHost::onTrace(uint64_t, const char* text) { traces += text; }

void TestHost::onSerialTransmit(uint64_t, uint8_t byte) { serialOut.push_back(byte); }

void TestHost::onMessageBox(const char* text, const char* title) {
  messageBoxes.push_back(std::string(title) + ": " + text);
}
