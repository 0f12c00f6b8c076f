#pragma once

namespace quillon {

// Root of the toolkit's window classes.
class MObject {
  public:
    MObject() = default;
    virtual ~MObject() = default;
    MObject(const MObject&) = delete;
    MObject& operator=(const MObject&) = delete;
};

}  // namespace quillon
