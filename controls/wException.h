// TwException: the one error type of the instrument controls, the plot and
// their routines. Its what() is the fixed English text that callers and
// users see ("Index out of Bounds", "Compression must be in the range of
// 0-9", ...); catch it, or std::exception, where a failure may be shown.
#pragma once

#include <stdexcept>
#include <string>

class TwException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
