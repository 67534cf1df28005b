#include "widgets/headless_dialogs.h"

#include <algorithm>
#include <stdexcept>

#include "widgets/form.h"
#include "widgets/open_dialog.h"

namespace widgets {

HeadlessDialogs& Headless() {
    static HeadlessDialogs host;
    return host;
}

void HeadlessDialogs::AnswerModal(TModalResult result) {
    modalAnswers_.push_back([result](TForm& form) { form.SetModalResult(result); });
}

size_t HeadlessDialogs::UnusedAnswers() const {
    return messageAnswers_.size() + modalAnswers_.size() + openAnswers_.size() + popupAnswers_.size();
}

void HeadlessDialogs::Reset() { *this = HeadlessDialogs(); }

TModalResult HeadlessDialogs::MessageBox(const MessageBoxRequest& request) {
    messages_.push_back(request);
    const std::vector<TModalResult> allowed = AnswersOf(request.buttons);
    if (messageAnswers_.empty()) {
        if (request.buttons == mbOK) return mrOk;
        throw std::logic_error("no scripted answer for the message box \"" + request.text + "\"");
    }
    const TModalResult answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    if (std::find(allowed.begin(), allowed.end(), answer) == allowed.end())
        throw std::logic_error("the message box \"" + request.text + "\" has no button for the scripted answer");
    return answer;
}

TModalResult HeadlessDialogs::RunModal(TForm& form) {
    modals_.push_back(form.ClassName());
    for (;;) {
        if (modalAnswers_.empty())
            throw std::logic_error(std::string("no scripted answer for the modal form ") + form.ClassName());
        ModalAction action = std::move(modalAnswers_.front());
        modalAnswers_.pop_front();
        action(form);
        if (form.ModalResult() == mrNone)
            throw std::logic_error(std::string("the scripted answer left the modal form ") + form.ClassName() +
                                   " open");
        form.CloseModal();
        if (form.ModalResult() != mrNone) return form.ModalResult();
        // The close query refused; the next answer acts on the form again.
    }
}

std::optional<std::string> HeadlessDialogs::ExecuteOpenDialog(const TOpenDialog& dialog) {
    openDialogs_.push_back(dialog.Filter());
    if (openAnswers_.empty()) throw std::logic_error("no scripted answer for the file dialog");
    std::optional<std::string> answer = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    return answer;
}

int HeadlessDialogs::TrackPopupMenu(const std::vector<std::string>& items, TPoint) {
    popups_.push_back(items);
    if (popupAnswers_.empty()) throw std::logic_error("no scripted answer for the pop-up menu");
    const int answer = popupAnswers_.front();
    popupAnswers_.pop_front();
    if (answer < -1 || answer >= static_cast<int>(items.size()))
        throw std::logic_error("the pop-up menu has no item for the scripted answer");
    return answer;
}

}  // namespace widgets
