#include "platform/fake/fake_activex.h"

namespace platform::fake {

class FakeActiveXControl : public ActiveXControl {
public:
    FakeActiveXControl(FakeActiveX& host, std::string classId) : host_(host), classId_(std::move(classId)) {
        ++host_.alive_;
    }
    ~FakeActiveXControl() override {
        host_.calls_.push_back("release " + classId_);
        --host_.alive_;
    }
    bool SetProperty(int32_t dispId, int32_t value) override {
        host_.calls_.push_back("set " + classId_ + " " + std::to_string(dispId) + "=" + std::to_string(value));
        return true;
    }
    void Place(int left, int top, int width, int height) override {
        host_.calls_.push_back("place " + classId_ + " " + std::to_string(left) + "," + std::to_string(top) + "," +
                               std::to_string(width) + "," + std::to_string(height));
    }

private:
    FakeActiveX& host_;
    std::string classId_;
};

void FakeActiveX::Initialize() { calls_.push_back("initialize"); }

void FakeActiveX::Uninitialize() { calls_.push_back("uninitialize"); }

std::unique_ptr<ActiveXControl> FakeActiveX::Create(const std::string& classId, uintptr_t container) {
    calls_.push_back("create " + classId + " in " + std::to_string(container));
    if (!registered_.count(classId)) return nullptr;
    return std::make_unique<FakeActiveXControl>(*this, classId);
}

}  // namespace platform::fake
