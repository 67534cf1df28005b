// A peer factory for tests: every control gets a peer that records the
// calls it receives, as a native peer would receive them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/control.h"
#include "widgets/peer_factory.h"

namespace widgets_test {

struct PeerLog {
    std::vector<std::string> calls;  // "Name:SetChecked(1)" and so on
    int captures = 0;
    std::vector<widgets::TBitmap> frames;
    int framesEnded = 0;
    std::function<widgets::TBitmap(const widgets::TControl&)> capture;
};

class RecordingPeer : public widgets::ControlPeer {
public:
    RecordingPeer(widgets::TControl& control, PeerLog& log) : control_(control), log_(log) { Note("Create"); }
    ~RecordingPeer() override { Note("Destroy"); }

    static const char* Name(widgets::PeerProperty property) {
        using P = widgets::PeerProperty;
        switch (property) {
            case P::Font: return "Font";
            case P::Color: return "Color";
            case P::Cursor: return "Cursor";
            case P::Hint: return "Hint";
            case P::Items: return "Items";
            case P::ItemIndex: return "ItemIndex";
            case P::Range: return "Range";
            case P::Position: return "Position";
            case P::Picture: return "Picture";
            case P::ReadOnly: return "ReadOnly";
            case P::PasswordChar: return "PasswordChar";
            case P::MaxLength: return "MaxLength";
            case P::Alignment: return "Alignment";
            case P::WordWrap: return "WordWrap";
            case P::Style: return "Style";
            case P::Region: return "Region";
            case P::WindowState: return "WindowState";
            case P::Cells: return "Cells";
            case P::ActivePage: return "ActivePage";
            case P::Down: return "Down";
        }
        return "?";
    }

    void SetBounds(const widgets::TRect& r) override {
        Note("SetBounds(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.Width()) +
             "," + std::to_string(r.Height()) + ")");
    }
    void SetText(const std::string& text) override { Note("SetText(" + text + ")"); }
    void SetVisible(bool visible) override { Note(std::string("SetVisible(") + (visible ? "1" : "0") + ")"); }
    void SetEnabled(bool enabled) override { Note(std::string("SetEnabled(") + (enabled ? "1" : "0") + ")"); }
    void SetChecked(bool checked) override { Note(std::string("SetChecked(") + (checked ? "1" : "0") + ")"); }
    void Changed(widgets::PeerProperty property) override { Note(std::string("Changed(") + Name(property) + ")"); }
    void Invalidate() override {}
    void Update() override {}
    void SetFocus() override { Note("SetFocus"); }
    void BringToFront() override {}
    widgets::TBitmap Capture() override {
        ++log_.captures;
        return log_.capture ? log_.capture(control_) : widgets::TBitmap();
    }
    void PaintFrame(const widgets::TBitmap& frame) override { log_.frames.push_back(frame); }
    void EndFrames() override { ++log_.framesEnded; }

private:
    void Note(const std::string& call) { log_.calls.push_back(control_.Name() + ":" + call); }

    widgets::TControl& control_;
    PeerLog& log_;
};

class RecordingFactory : public widgets::PeerFactory {
public:
    explicit RecordingFactory(PeerLog& log) : log_(log) {}
    std::unique_ptr<widgets::ControlPeer> CreatePeer(widgets::TControl& control) override {
        return std::make_unique<RecordingPeer>(control, log_);
    }
    std::unique_ptr<widgets::TimerPeer> CreateTimerPeer(widgets::TTimer&) override { return nullptr; }
    widgets::TSize TextExtent(const widgets::TFont&, const std::string& text) override {
        return widgets::TSize{static_cast<int>(text.size()) * 6, 13};
    }

private:
    PeerLog& log_;
};

// The calls recorded for one component, without its name.
inline std::vector<std::string> CallsOf(const PeerLog& log, const std::string& name) {
    std::vector<std::string> out;
    for (const std::string& call : log.calls)
        if (call.compare(0, name.size() + 1, name + ":") == 0) out.push_back(call.substr(name.size() + 1));
    return out;
}

}  // namespace widgets_test
