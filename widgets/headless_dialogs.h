// The dialog host without a screen: every question is answered from a
// queue that the test fills beforehand, and recorded.
//
// A question without a queued answer raises std::logic_error, so an
// unexpected message box fails the test; only a box with the single button
// OK answers by itself. An answer that the box cannot give (No to an OK
// box) raises std::logic_error as well.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/dialog_host.h"

namespace widgets {

class HeadlessDialogs : public DialogHost {
public:
    // What a scripted modal form does: acts on the form as a user would
    // (types, clicks OK) and so sets its ModalResult.
    using ModalAction = std::function<void(TForm& form)>;

    void AnswerMessage(TModalResult answer) { messageAnswers_.push_back(answer); }
    void AnswerModal(TModalResult result);
    void AnswerModal(ModalAction action) { modalAnswers_.push_back(std::move(action)); }
    // A file name, or nothing for Cancel.
    void AnswerOpenDialog(std::optional<std::string> fileName) { openAnswers_.push_back(std::move(fileName)); }
    void AnswerPopup(int index) { popupAnswers_.push_back(index); }

    const std::vector<MessageBoxRequest>& Messages() const { return messages_; }
    // Class names of the forms shown modally, in order.
    const std::vector<std::string>& Modals() const { return modals_; }
    // Filters of the file dialogs shown, in order.
    const std::vector<std::string>& OpenDialogs() const { return openDialogs_; }
    const std::vector<std::vector<std::string>>& Popups() const { return popups_; }

    // Answers queued but not used yet.
    size_t UnusedAnswers() const;
    void Reset();

    TModalResult MessageBox(const MessageBoxRequest& request) override;
    TModalResult RunModal(TForm& form) override;
    std::optional<std::string> ExecuteOpenDialog(const TOpenDialog& dialog) override;
    int TrackPopupMenu(const std::vector<std::string>& items, TPoint screenPos) override;

private:
    std::deque<TModalResult> messageAnswers_;
    std::deque<ModalAction> modalAnswers_;
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<int> popupAnswers_;
    std::vector<MessageBoxRequest> messages_;
    std::vector<std::string> modals_;
    std::vector<std::string> openDialogs_;
    std::vector<std::vector<std::string>> popups_;
};

// The headless host that Dialogs() uses when no other is installed.
HeadlessDialogs& Headless();

}  // namespace widgets
