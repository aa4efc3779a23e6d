#include "support/UiTestHooks.h"

#include "ui/TForm.h"

UiMessageBoxes::UiMessageBoxes()
{
    previous_ = SetMessageBoxResponder([this](const TMessageBoxRequest& r) {
        boxes_.append(r);
        if (OnBox)
            return OnBox(r);
        if (!answers_.empty()) {
            const int a = answers_.front();
            answers_.pop_front();
            return a;
        }
        if (default_ != 0)
            return default_;
        return r.buttons.isEmpty() ? 1 : r.buttons.first();
    });
}

UiMessageBoxes::~UiMessageBoxes()
{
    SetMessageBoxResponder(previous_);
}

QStringList UiMessageBoxes::Texts() const
{
    QStringList l;
    for (const auto& b : boxes_)
        l.append(b.text);
    return l;
}

UiModalDriver::UiModalDriver(std::function<void(TForm&)> action) : action_(std::move(action))
{
    previous_ = SetModalHook([this](TForm& f) {
        captions_.append(f.Caption());
        if (action_)
            action_(f);
    });
}

UiModalDriver::~UiModalDriver()
{
    SetModalHook(previous_);
}
