// The exception classes that the components raise. Their messages are
// Windows-1252 text and reach the application error handler unchanged.
#pragma once

#include <stdexcept>
#include <string>

namespace widgets {

// An operation that the component cannot do in its present state
// (for example showing a visible form modally).
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system has no handles or memory left for a window or a picture.
class EOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Component names: a second component of the same name under one owner.
class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The page container refused a page form or was busy.
class EFormContainerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture that cannot be read.
class EBitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A window outline whose region data is damaged.
class ERegionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace widgets
