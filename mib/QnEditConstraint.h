// Edit constraints: a short text such as "%i{n1x65535l5}" or "%s{l32}" limits
// what the user can type into an edit and checks the value when the user
// leaves the field.
//
//   constraint = "%" type [delimiter] [ "{" item* "}" ]
//   type       = i (integer) | u (unsigned) | f (real) | h (hex) | s (text)
//              | n (numbers separated by the delimiter character that follows)
//   item       = n<number> minimum | x<number> maximum
//              | l<digits>[a|f|n]... maximum length (count for "n"), then flags:
//                a auto-advance, f fixed length or count, n not empty
//              | w<digits> width in pixels | e<c> exit character
//
// Several constraints written one after another apply to a list of edits in
// order. A value that fails its check on exit is reported in a message box,
// the edit gets its last accepted text back and the focus returns to it.
#pragma once

#include "ui/TEdit.h"

#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Flags of a constraint.
enum : uint8_t {
    ECF_AUTOADVANCE = 1, // move to the next field when the text reaches the maximum length
    ECF_FIXED = 2,       // the length (count for "n") must equal the maximum
    ECF_NOTEMPTY = 4,    // an empty field is refused
};

// One constrained edit.
struct EditConstraint_s
{
    QPointer<TEdit> Edit;
    char Type = 's';
    char Delimiter = 0;
    double Min = 0;
    double Max = 0;
    int32_t MaxLength = 0; // 0: no limit
    uint8_t Flags = 0;
    char ExitChar = 0; // 0: none
    QString LastText;  // the last accepted text
    TNotifyEvent OldChange;
    TNotifyEvent OldExit;
};

class QnEditConstraint : public TObject
{
public:
    // owner: the control that owns the message boxes and whose window moves
    // the focus on; remember: a value that passes the exit check becomes the
    // edit's last accepted text.
    QnEditConstraint(QWidget* owner, bool remember);
    // Frees every record and gives the edits that still exist their own
    // handlers back.
    ~QnEditConstraint() override;
    QnEditConstraint(const QnEditConstraint&) = delete;
    QnEditConstraint& operator=(const QnEditConstraint&) = delete;

    // Attaches the k-th constraint of the text to the k-th edit. Throws
    // QnException -2 "Bad format specifier of edit's constraint!" for a text
    // it cannot read (also when the text names more constraints than there
    // are edits); the constraints before the faulty one stay attached.
    void Attach(const std::string& text, const std::vector<TEdit*>& edits);
    void Attach(const std::string& text, TEdit* edit) { Attach(text, std::vector<TEdit*>{edit}); }
    // Gives the edit its own handlers back and deletes its record; an edit
    // without a record is ignored.
    void Detach(TEdit* edit);
    void SetOwner(QWidget* owner) { owner_ = owner; }
    QWidget* Owner() const { return owner_; }
    bool Remember() const { return remember_; }
    void SetRemember(bool r) { remember_ = r; }

    // The record of an edit, or null.
    EditConstraint_s* Find(const TEdit* edit) const;
    int Count() const { return int(records_.size()); }

    // The handlers installed on every constrained edit.
    void EditChange(TObject* sender);
    void EditExit(TObject* sender);

private:
    void AttachOne(const std::string& text, TEdit* edit);
    void Fail(EditConstraint_s& rec, const QString& message);

    QPointer<QWidget> owner_;
    bool remember_;
    std::vector<std::unique_ptr<EditConstraint_s>> records_;
};

// Reads a delimited list of unsigned numbers: one number more than there are
// delimiters (none for an empty text), digits accumulated modulo 2^32, digits
// after a "." never change the whole number.
std::vector<uint32_t> ParseNumberList(const std::string& text, char delimiter);
