#include "widgets/peer_factory.h"

#include <algorithm>

namespace widgets {

namespace {
PeerFactory* g_factory = nullptr;
}

PeerFactory* Peers() { return g_factory; }

void InstallPeerFactory(PeerFactory* factory) { g_factory = factory; }

TSize TextExtent(const TFont& font, const std::string& text) {
    if (g_factory) return g_factory->TextExtent(font, text);
    const int pixels = std::max(font.Height() < 0 ? -font.Height() : font.Height(), 1);
    int lines = 1, longest = 0, current = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++lines;
            current = 0;
            continue;
        }
        longest = std::max(longest, ++current);
    }
    return TSize{(longest * pixels + 1) / 2, lines * (pixels + 2)};
}

}  // namespace widgets
