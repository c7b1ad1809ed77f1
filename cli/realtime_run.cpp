#include "cli/realtime_run.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <thread>

#include "sim/controller/controller_thread.h"
#include "sim/real_time_host.h"
#include "sim/trace_log.h"

namespace {
volatile std::sig_atomic_t interrupted = 0;
void onSignal(int) { interrupted = 1; }
}  // namespace

int CLI_RunRealtime(const CliOptions& options) {
  TraceLog traceLog;
  std::string error;
  if (!options.traceFile.empty() &&
      !traceLog.open(options.traceFile == "-" ? "/dev/stdout" : options.traceFile, &error)) {
    std::fprintf(stderr, "kalvero-cli: cannot write the trace: %s\n", error.c_str());
    return 2;
  }
  RealTimeHost* hostPointer = nullptr;
  RealTimeHost::Options hostOptions;
  hostOptions.servicePort = options.servicePort;
  RealTimeHost::Callbacks callbacks;
  callbacks.trace = [&traceLog, &hostPointer](const char* text) {
    traceLog.write(hostPointer != nullptr ? hostPointer->milliseconds() : 0, text);
  };
  callbacks.log = [](const std::string& message) {
    std::fprintf(stderr, "kalvero-cli: %s\n", message.c_str());
  };
  callbacks.messageBox = [](const char* text, const char* title) {
    std::fprintf(stderr, "kalvero-cli: message box \"%s\": %s\n", title, text);
  };
  RealTimeHost host(hostOptions, callbacks);
  hostPointer = &host;

  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  host.start();
  simctl::SimController controller;
  std::unique_ptr<simctl::ControllerThread> controllerThread;
  if (options.controller) controllerThread = std::make_unique<simctl::ControllerThread>(controller, host);
  const auto started = std::chrono::steady_clock::now();
  while (interrupted == 0 && host.running()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (options.runForMs &&
        std::chrono::steady_clock::now() - started >= std::chrono::milliseconds(*options.runForMs))
      break;
  }
  controllerThread.reset();
  host.stop();
  hostPointer = nullptr;
  traceLog.close();
  if (options.tickStatistics) {
    const auto stats = host.keyScanStatistics();
    std::printf("20 ms key scan: %llu periods, mean %.3f ms, largest deviation %.3f ms\n",
                static_cast<unsigned long long>(stats.count), stats.meanPeriodMs, stats.maxDeviationMs);
  }
  return 0;
}
