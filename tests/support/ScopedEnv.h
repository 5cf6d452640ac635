// Sets one environment variable for the life of the object and puts back
// what was there before (or unsets it again).
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace zt::testing {

class ScopedEnv {
 public:
  // nullptr unsets the variable.
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Put(value);
  }
  ~ScopedEnv() { Put(old_ ? old_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Put(const char* value) const {
    if (value)
      setenv(name_.c_str(), value, 1);
    else
      unsetenv(name_.c_str());
  }
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace zt::testing
