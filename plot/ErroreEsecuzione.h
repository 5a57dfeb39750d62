// The run-time error of the plot: a figure that needs a drawing scale past what Scala holds.
#pragma once

#include <stdexcept>

class ErroreEsecuzione : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
