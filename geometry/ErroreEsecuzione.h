// A run-time error that a command's error trap handles (the scale overflow of a huge figure).
#pragma once

#include <stdexcept>

class ErroreEsecuzione : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
