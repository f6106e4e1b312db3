#pragma once
// The exception types of the pure layers. Each carries its whole user-facing message.
#include <stdexcept>
#include <string>

namespace qv {

// Base of every error the project raises itself.
class EQVError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file layer could not open a file for reading; the message names the file and the reason.
class EFOpenError : public EQVError {
public:
    using EQVError::EQVError;
};

// The file layer could not create or write a file; the message names the file and the reason.
class EFCreateError : public EQVError {
public:
    using EQVError::EQVError;
};

// A module resource that does not exist (or whose container is damaged); the message names it.
class EResNotFound : public EQVError {
public:
    using EQVError::EQVError;
};

// An index outside a text list ("List index out of bounds (5)").
class EListError : public EQVError {
public:
    using EQVError::EQVError;
};

}  // namespace qv
