// ActiveX control hosting (ole32, oleaut32): a control made by its class id
// inside a window of the program, given properties by dispatch id.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// One hosted control. Freeing it tears it down: IOleObject::Close with
// OLECLOSE_NOSAVE, SetClientSite(NULL), then the last Release.
class ActiveXControl {
public:
    virtual ~ActiveXControl() = default;
    // IDispatch::Invoke with DISPATCH_PROPERTYPUT and a VT_I4 value. False
    // when the control refuses it.
    virtual bool SetProperty(int32_t dispId, int32_t value) = 0;
    // Position within the container window (IOleInPlaceObject::
    // SetObjectRects); the container's client area clips it.
    virtual void Place(int left, int top, int width, int height) = 0;
};

class ActiveX {
public:
    virtual ~ActiveX() = default;
    // OleInitialize and OleUninitialize, on the main thread at the start
    // and at the end of the program.
    virtual void Initialize() = 0;
    virtual void Uninitialize() = 0;
    // CoCreateInstance of the class id ("{...}") with a client site and an
    // in-place site in the container window, then DoVerb
    // (OLEIVERB_INPLACEACTIVATE). Null when the class is not registered,
    // its file is missing, or the control does not take the site.
    virtual std::unique_ptr<ActiveXControl> Create(const std::string& classId, uintptr_t container) = 0;
};

}  // namespace platform
