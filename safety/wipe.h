// Overwrites secrets in memory once they are no longer needed: the key
// schedule, the feedback register, the digest and every copy of a password
// are filled with 0xFF bytes, so that nothing of them stays behind in freed
// memory.
#pragma once

#include <cstddef>
#include <string>

namespace safety {

// Fills the bytes with 0xFF; the writes are not optimised away.
void Wipe(void* bytes, size_t size);

// Fills the text's characters with 0xFF, then empties it.
void Wipe(std::string& text);

// A copy of a secret text that is wiped when it leaves scope.
class WipedText {
public:
    explicit WipedText(std::string text) : text_(std::move(text)) {}
    ~WipedText() { Wipe(text_); }
    WipedText(const WipedText&) = delete;
    WipedText& operator=(const WipedText&) = delete;

    const std::string& Get() const { return text_; }

private:
    std::string text_;
};

}  // namespace safety
