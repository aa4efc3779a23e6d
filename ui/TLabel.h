// TLabel (plain text; sizes itself to its caption unless AutoSize is off) and
// TStaticText (text in an optional sunken border).
#pragma once

#include "TControl.h"

#include <QLabel>

class TLabel : public QLabel, public TControl
{
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& c);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool w);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void ApplyColor() override;
    void ApplyFont() override;

private:
    void Fit();
    bool autoSize_ = true;
    bool transparent_ = true;
    TAlignment alignment_ = taLeftJustify;
};

class TStaticText : public QLabel, public TControl
{
    Q_OBJECT
public:
    explicit TStaticText(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& c);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle b);

    TNotifyEvent OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void ApplyFont() override;

private:
    void Fit();
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TStaticBorderStyle borderStyle_ = sbsNone;
};
