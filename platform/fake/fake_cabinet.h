// A stand-in for "cabinet.dll". Absent unless a test makes it present; then
// it works as FCI does towards the component: FCIAddFile asks for the file's
// information (which opens it), reads it to the end through the read
// callback and closes it, asking for a temporary file first; the flush
// writes the cabinet file through the open, write and close callbacks. The
// bytes it writes are a plain list, not a real cabinet: tests read what it
// stored from Stored(). Tests can make a step fail with an error record.
#pragma once

#include <string>
#include <vector>

#include "platform/cabinet.h"

namespace platform::fake {

class FakeCabinet : public Cabinet {
public:
    bool Present() override { return present_; }
    void* Create(const CabParams& params, CabCallbacks& callbacks, CabErrorRecord& error) override;
    bool AddFile(void* context, const std::string& source, const std::string& stored, bool execute,
                 int compression) override;
    bool FlushCabinet(void* context, bool getNextCabinet) override;
    bool Destroy(void* context) override;

    // ------------------------------------------------ settings for tests
    void SetPresent(bool present) { present_ = present; }
    enum class Step { None, Create, Flush };
    void FailAt(Step step, int oper, int type) {
        failStep_ = step;
        failOper_ = oper;
        failType_ = type;
    }

    struct File {
        std::string stored;
        std::string bytes;
        uint16_t date = 0, time = 0, attributes = 0;
        int compression = 0;
    };
    // The files of the last flushed cabinet, and its parameters.
    const std::vector<File>& Stored() const { return stored_; }
    const CabParams& LastParams() const { return params_; }
    int ContextsAlive() const { return alive_; }

private:
    struct Context;
    bool present_ = false;
    Step failStep_ = Step::None;
    int failOper_ = 0, failType_ = 0;
    std::vector<File> stored_;
    CabParams params_;
    int alive_ = 0;
};

}  // namespace platform::fake
