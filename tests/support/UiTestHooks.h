// Test helpers over the toolkit layer's hooks: answer message boxes and drive
// modal windows from a test. Each helper installs its hook for its lifetime
// and puts the previous one back.
#pragma once

#include "support/UiPrinters.h"
#include "ui/TestHooks.h"

#include <QStringList>
#include <QVector>
#include <deque>
#include <functional>

class TForm;

// Records every message box; answers with the queued answers in order, then
// with the default answer (by default the first button offered: OK or Yes).
class UiMessageBoxes
{
public:
    UiMessageBoxes();
    ~UiMessageBoxes();
    UiMessageBoxes(const UiMessageBoxes&) = delete;
    UiMessageBoxes& operator=(const UiMessageBoxes&) = delete;

    void Answer(int id) { answers_.push_back(id); }
    void SetDefaultAnswer(int id) { default_ = id; }
    // Called for each box instead of the queue when set; returns the answer.
    std::function<int(const TMessageBoxRequest&)> OnBox;

    int Count() const { return static_cast<int>(boxes_.size()); }
    const QVector<TMessageBoxRequest>& Boxes() const { return boxes_; }
    const TMessageBoxRequest& Last() const { return boxes_.last(); }
    QStringList Texts() const;
    void Clear() { boxes_.clear(); }

private:
    TMessageBoxResponder previous_;
    QVector<TMessageBoxRequest> boxes_;
    std::deque<int> answers_;
    int default_ = 0;
};

// Runs `action` each time a form enters its modal loop. The action acts on
// the form and closes it (Close(), SetModalResult()); a form it leaves open
// is closed with mrCancel by the layer.
class UiModalDriver
{
public:
    explicit UiModalDriver(std::function<void(TForm&)> action);
    ~UiModalDriver();
    UiModalDriver(const UiModalDriver&) = delete;
    UiModalDriver& operator=(const UiModalDriver&) = delete;

    int Count() const { return static_cast<int>(captions_.size()); }
    const QStringList& Captions() const { return captions_; }

private:
    TModalHook previous_;
    std::function<void(TForm&)> action_;
    QStringList captions_;
};
