// A replaceable process-wide service: the program installs the real one,
// tests install a recorder.  Headless defaults never block.
#pragma once
#include <functional>
#include <memory>

template <class Interface>
class SeamSlot {
 public:
  explicit SeamSlot(std::function<std::unique_ptr<Interface>()> makeDefault)
      : m_makeDefault(std::move(makeDefault)) {}

  Interface& Get() {
    if (!m_current) m_current = m_makeDefault();
    return *m_current;
  }
  // Installs a service (null: the default again) and returns the previous one.
  std::unique_ptr<Interface> Set(std::unique_ptr<Interface> service) {
    std::unique_ptr<Interface> previous = std::move(m_current);
    m_current = std::move(service);
    return previous;
  }

 private:
  std::function<std::unique_ptr<Interface>()> m_makeDefault;
  std::unique_ptr<Interface> m_current;
};
