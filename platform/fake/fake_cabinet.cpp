#include "platform/fake/fake_cabinet.h"

namespace platform::fake {

struct FakeCabinet::Context {
    CabParams params;
    CabCallbacks* callbacks = nullptr;
    CabErrorRecord* error = nullptr;
    std::vector<File> files;
};

void* FakeCabinet::Create(const CabParams& params, CabCallbacks& callbacks, CabErrorRecord& error) {
    error = CabErrorRecord{};
    if (failStep_ == Step::Create) {
        error = {failOper_, failType_, true};
        return nullptr;
    }
    char temp[260] = {};
    if (!callbacks.TempFile(temp, sizeof temp)) {
        error = {4, 0, true};  // FCIERR_TEMP_FILE
        return nullptr;
    }
    auto* context = new Context;
    context->params = params;
    context->callbacks = &callbacks;
    context->error = &error;
    params_ = params;
    ++alive_;
    return context;
}

bool FakeCabinet::AddFile(void* handle, const std::string& source, const std::string& stored, bool, int compression) {
    auto* context = static_cast<Context*>(handle);
    CabCallbacks& cb = *context->callbacks;
    File file;
    file.stored = stored;
    file.compression = compression;
    int err = 0;
    const intptr_t h = cb.GetOpenInfo(source, &file.date, &file.time, &file.attributes, &err);
    if (h == -1) {
        *context->error = {1, err, true};  // FCIERR_OPEN_SRC
        return false;
    }
    char buffer[32768];
    for (;;) {
        const uint32_t got = cb.Read(h, buffer, sizeof buffer, &err);
        if (got == static_cast<uint32_t>(-1)) {
            cb.Close(h, &err);
            *context->error = {2, err, true};  // FCIERR_READ_SRC
            return false;
        }
        if (got == 0) break;
        file.bytes.append(buffer, got);
    }
    cb.Close(h, &err);
    cb.FilePlaced(stored, static_cast<long>(file.bytes.size()), false);
    context->files.push_back(file);
    return true;
}

bool FakeCabinet::FlushCabinet(void* handle, bool) {
    auto* context = static_cast<Context*>(handle);
    CabCallbacks& cb = *context->callbacks;
    if (failStep_ == Step::Flush) {
        *context->error = {failOper_, failType_, true};
        return false;
    }
    int err = 0;
    const std::string path = context->params.cabinetPath + context->params.cabinetName;
    const intptr_t h = cb.Open(path, kOpenReadWrite | kOpenCreate | kOpenTruncate, 0, &err);
    if (h == -1) {
        *context->error = {6, err, true};  // FCIERR_CAB_FILE
        return false;
    }
    std::string bytes = "QWFAKECAB\r\n";
    for (const File& f : context->files) bytes += f.stored + "\t" + std::to_string(f.bytes.size()) + "\r\n";
    const bool written = cb.Write(h, bytes.data(), static_cast<uint32_t>(bytes.size()), &err) == bytes.size();
    cb.Close(h, &err);
    if (!written) {
        *context->error = {6, err, true};
        return false;
    }
    stored_ = context->files;
    return true;
}

bool FakeCabinet::Destroy(void* handle) {
    delete static_cast<Context*>(handle);
    --alive_;
    return true;
}

}  // namespace platform::fake
