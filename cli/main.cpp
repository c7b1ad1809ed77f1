#include <cstdio>

#include "sim/unit.h"
#include "sim/virtual_time_host.h"

int main() {
  struct Printer : VirtualTimeHost::Listener {
    void onTrace(uint64_t, const char* text) override { fputs(text, stdout); }
  } printer;
  VirtualTimeHost host(0);
  host.setListener(&printer);
  host.schedule(10000, [&host] { host.requestStop(); });
  SIM_RunUnit(host);
  return 0;
}
