#include "safety/wipe.h"

namespace safety {

void Wipe(void* bytes, size_t size) {
    volatile unsigned char* p = static_cast<volatile unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i) p[i] = 0xFF;
}

void Wipe(std::string& text) {
    if (!text.empty()) Wipe(&text[0], text.size());
    text.clear();
}

}  // namespace safety
