// How animations report that a layer has ended, by the layer's name.
#pragma once

#include <string>

class IAnimationCallback {
public:
    // A receiver must not delete the sender from inside this call: the
    // sender's update is still running. Mark it and delete it afterwards.
    virtual void onEvent(const std::string& strName) = 0;

protected:
    ~IAnimationCallback() = default;
};
