// Time as the program reads it: seeding the generator, the expression
// language's time function, timers.  Tests install a fixed clock.
#pragma once
#include <QDateTime>
#include <cstdint>
#include <memory>

class IClock {
 public:
  virtual ~IClock() = default;
  // Seconds since 1970-01-01 UTC.
  virtual std::int64_t UnixTime() const = 0;
  // Milliseconds since some fixed moment (monotonic).
  virtual std::uint32_t TickCount() const = 0;
  // The local date and time.
  virtual QDateTime LocalNow() const = 0;
};

IClock& Clock();
// Installs a clock (null restores the system clock); the previous one is returned.
std::unique_ptr<IClock> SetClock(std::unique_ptr<IClock> clock);
