#include "mib/QnEditConstraint.h"

#include "mib/QnErrorCatalogue.h"
#include "mib/QnEvaluate.h"
#include "mib/QnNumList.h"
#include "mib/QnValueText.h"
#include "ui/TApplication.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

const char kNull[] = "(NULL)";
const char kNotDone[] = "(NOTDONE)";

bool IsExempt(const QString& text)
{
    return text == QLatin1String(kNull) || text == QLatin1String(kNotDone);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool InNumberSet(char c)
{
    return IsDigit(c) || c == '-' || c == '.';
}

[[noreturn]] void BadFormat()
{
    RaiseError(QNERR_BAD_CONSTRAINT_FORMAT);
}

// A run of characters of a bound, which must read whole as a real number.
double ReadBound(const std::string& run)
{
    double v = 0;
    const char* end = run.data() + run.size();
    const auto r = std::from_chars(run.data(), end, v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v))
        BadFormat();
    return v;
}

// A run of digits as a length or width.
int32_t ReadCount(const std::string& run)
{
    int32_t v = 0;
    const char* end = run.data() + run.size();
    const auto r = std::from_chars(run.data(), end, v);
    if (r.ec != std::errc() || r.ptr != end)
        BadFormat();
    return v;
}

// A bound as an unsigned 32-bit number: the whole part, kept inside the range.
uint32_t ToUnsigned(double v)
{
    if (!(v > 0))
        return 0;
    if (v >= 4294967295.0)
        return 4294967295u;
    return uint32_t(v);
}

QString Message(int code)
{
    return QString::fromStdString(ErrorText(code));
}

QString Fill(const QString& text, const char* what, const std::string& value)
{
    return QString::fromStdString(ReplaceAll(text.toStdString(), what, value));
}

} // namespace

std::vector<uint32_t> ParseNumberList(const std::string& text, char delimiter)
{
    QnNumList<uint32_t> list;
    list.Separator = delimiter;
    list.Parse(text);
    return list.Items();
}

QnEditConstraint::QnEditConstraint(QWidget* owner, bool remember) : owner_(owner), remember_(remember) {}

QnEditConstraint::~QnEditConstraint()
{
    for (auto& rec : records_) {
        if (rec->Edit) {
            rec->Edit->OnChange = rec->OldChange;
            rec->Edit->OnExit = rec->OldExit;
        }
    }
}

EditConstraint_s* QnEditConstraint::Find(const TEdit* edit) const
{
    if (!edit)
        return nullptr;
    for (const auto& rec : records_)
        if (rec->Edit == edit)
            return rec.get();
    return nullptr;
}

void QnEditConstraint::Attach(const std::string& text, const std::vector<TEdit*>& edits)
{
    size_t next = 0;
    auto parsePiece = [&](const std::string& piece) {
        if (next >= edits.size() || !edits[next])
            BadFormat(); // a constraint with no edit to take it
        AttachOne(piece, edits[next++]);
    };
    std::string piece;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i > 0) {
            parsePiece(piece);
            piece.clear();
        }
        piece += text[i];
        if (i + 1 == text.size())
            parsePiece(piece);
    }
}

void QnEditConstraint::AttachOne(const std::string& t, TEdit* edit)
{
    const size_t len = t.size();
    if (len <= 1 || t[0] != '%')
        BadFormat();
    auto rec = std::make_unique<EditConstraint_s>();
    rec->Type = t[1];
    size_t brace = 2;
    switch (rec->Type) {
    case 'i':
        rec->Min = -2147483648.0;
        rec->Max = 2147483647.0;
        break;
    case 'u':
        rec->Min = 0;
        rec->Max = 4294967295.0;
        break;
    case 'f':
        rec->Min = std::numeric_limits<double>::lowest();
        rec->Max = std::numeric_limits<double>::max();
        break;
    case 'n':
        if (len < 3)
            BadFormat();
        rec->Delimiter = t[2];
        rec->Min = 0;
        rec->Max = 4294967295.0;
        brace = 3;
        break;
    case 'h':
    case 's':
        break;
    default:
        BadFormat();
    }
    int32_t width = 0;
    if (len > brace) {
        if (t[brace] != '{' || t[len - 1] != '}' || len - 1 == brace)
            BadFormat();
        const size_t last = len - 1; // position of the final "}"
        size_t i = brace + 1;
        while (i < last) {
            const char item = t[i++];
            switch (item) {
            case 'l':
            case 'w': {
                const size_t start = i;
                while (i < last && IsDigit(t[i]))
                    ++i;
                if (i == start)
                    BadFormat();
                const int32_t v = ReadCount(t.substr(start, i - start));
                if (item == 'w') {
                    width = v;
                    break;
                }
                rec->MaxLength = v;
                // Up to three flag letters right after the digits.
                for (int k = 0; k < 3 && i < last; ++k, ++i) {
                    if (t[i] == 'a')
                        rec->Flags |= ECF_AUTOADVANCE;
                    else if (t[i] == 'f')
                        rec->Flags |= ECF_FIXED;
                    else if (t[i] == 'n')
                        rec->Flags |= ECF_NOTEMPTY;
                    else
                        break;
                }
                break;
            }
            case 'n':
            case 'x': {
                const size_t start = i;
                while (i < last && InNumberSet(t[i]))
                    ++i;
                if (i == start)
                    BadFormat();
                const double v = ReadBound(t.substr(start, i - start));
                (item == 'n' ? rec->Min : rec->Max) = v;
                break;
            }
            case 'e':
                if (i >= last)
                    BadFormat();
                rec->ExitChar = t[i++];
                break;
            default:
                BadFormat();
            }
        }
    }

    // A second constraint on the same edit replaces the first, so that the
    // saved handlers are always the edit's own.
    Detach(edit);
    if (width > 0)
        edit->SetWidth(width);
    edit->SetMaxLength(rec->MaxLength);
    rec->Edit = edit;
    rec->OldChange = edit->OnChange;
    rec->OldExit = edit->OnExit;
    edit->OnChange = TNotifyEvent(this, &QnEditConstraint::EditChange);
    edit->OnExit = TNotifyEvent(this, &QnEditConstraint::EditExit);
    records_.push_back(std::move(rec));
}

void QnEditConstraint::Detach(TEdit* edit)
{
    for (auto it = records_.begin(); it != records_.end(); ++it) {
        if ((*it)->Edit == edit) {
            if (edit) {
                edit->OnChange = (*it)->OldChange;
                edit->OnExit = (*it)->OldExit;
            }
            records_.erase(it);
            return;
        }
    }
}

void QnEditConstraint::EditChange(TObject* sender)
{
    TEdit* edit = dynamic_cast<TEdit*>(sender);
    EditConstraint_s* rec = Find(edit);
    if (!rec)
        return;
    const QString text = edit->Text();
    if (text.isEmpty() || IsExempt(text))
        return;

    if (rec->ExitChar) {
        const int at = text.indexOf(QChar(uchar(rec->ExitChar)));
        if (at >= 0) {
            QString rest = text;
            rest.remove(at, 1);
            edit->SetText(rest);
            PostNextControl(owner_ ? owner_.data() : edit);
            return;
        }
    }

    bool seenPoint = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        bool ok = true;
        switch (rec->Type) {
        case 'i':
            ok = digit || (i == 0 && c == QLatin1Char('-'));
            break;
        case 'u':
            ok = digit;
            break;
        case 'f':
            if (c == QLatin1Char('.') && !seenPoint) {
                seenPoint = true;
                ok = true;
            } else {
                ok = digit || (i == 0 && c == QLatin1Char('-'));
            }
            break;
        case 'h':
            ok = digit || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
                 (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
            break;
        case 'n': {
            const QChar delim(uchar(rec->Delimiter));
            ok = digit || (c == delim && i > 0 && text[i - 1] != delim);
            break;
        }
        default:
            break;
        }
        if (!ok) {
            Beep(1000, 200);
            edit->SetText(text.left(i) + text.mid(i + 1));
            return;
        }
    }

    if (rec->OldChange) {
        const TNotifyEvent own = rec->OldChange;
        own(sender);
        rec = Find(edit); // the edit's own handler may have detached it
        if (!rec || edit->Tag() == -1)
            return;
    }

    if ((rec->Flags & ECF_AUTOADVANCE) && rec->MaxLength > 0 && edit->Text().size() == rec->MaxLength)
        PostNextControl(owner_ ? owner_.data() : edit);
}

void QnEditConstraint::EditExit(TObject* sender)
{
    TEdit* edit = dynamic_cast<TEdit*>(sender);
    EditConstraint_s* rec = Find(edit);
    if (!rec)
        return;
    const QString text = edit->Text();
    if (IsExempt(text))
        return;

    if (text.isEmpty()) {
        if (rec->Flags & ECF_NOTEMPTY)
            Fail(*rec, Message(QNERR_EMPTY_VALUE));
        return;
    }

    switch (rec->Type) {
    case 'i':
    case 'u':
    case 'f': {
        const double v = double(ReadNumber(text.toStdString()));
        if (v < rec->Min || v > rec->Max) {
            QString m = Message(QNERR_NUMBER_RANGE);
            m = Fill(m, "[MIN]", FormatGeneral(rec->Min));
            m = Fill(m, "[MAX]", FormatGeneral(rec->Max));
            Fail(*rec, m);
            return;
        }
        break;
    }
    case 'h':
    case 's': {
        const int32_t m = rec->MaxLength;
        if (m > 0) {
            const bool hex = rec->Type == 'h';
            if ((rec->Flags & ECF_FIXED) && text.size() != m) {
                Fail(*rec,
                     Fill(Message(hex ? QNERR_HEX_LENGTH : QNERR_STRING_LENGTH), "[LEN]", std::to_string(m)));
                return;
            }
            if (!(rec->Flags & ECF_FIXED) && text.size() > m) {
                Fail(*rec, Fill(Message(hex ? QNERR_HEX_TOO_LONG : QNERR_STRING_TOO_LONG), "[MAXLEN]",
                                std::to_string(m)));
                return;
            }
        }
        break;
    }
    case 'n': {
        const std::vector<uint32_t> numbers = ParseNumberList(text.toStdString(), rec->Delimiter);
        const std::string delim(1, rec->Delimiter);
        const int32_t m = rec->MaxLength;
        const int count = int(numbers.size());
        if (m > 0) {
            if ((rec->Flags & ECF_FIXED) && count != m) {
                QString msg = Fill(Message(QNERR_NUMLIST_COUNT), "[DELIMITER]", delim);
                Fail(*rec, Fill(msg, "[COUNT]", std::to_string(m)));
                return;
            }
            if (!(rec->Flags & ECF_FIXED) && count > m) {
                QString msg = Fill(Message(QNERR_NUMLIST_MAXCOUNT), "[DELIMITER]", delim);
                Fail(*rec, Fill(msg, "[MAXCOUNT]", std::to_string(m)));
                return;
            }
        }
        const uint32_t lo = ToUnsigned(rec->Min);
        const uint32_t hi = ToUnsigned(rec->Max);
        for (uint32_t n : numbers) {
            if (n < lo || n > hi) {
                QString msg = Fill(Message(QNERR_NUMLIST_RANGE), "[DELIMITER]", delim);
                msg = Fill(msg, "[MIN]", std::to_string(lo));
                Fail(*rec, Fill(msg, "[MAX]", std::to_string(hi)));
                return;
            }
        }
        break;
    }
    default:
        break;
    }

    if (rec->OldExit) {
        const TNotifyEvent own = rec->OldExit;
        own(sender);
        rec = Find(edit);
        if (!rec)
            return;
        if (edit->Tag() == -1) {
            edit->SetText(rec->LastText);
            return;
        }
    }
    if (remember_)
        rec->LastText = edit->Text();
}

void QnEditConstraint::Fail(EditConstraint_s& rec, const QString& message)
{
    QPointer<TEdit> edit = rec.Edit;
    MessageBox(owner_ ? owner_.data() : edit.data(), message, ProgramName(), MB_OK);
    // The box may run a loop of its own: look the record up again.
    EditConstraint_s* again = Find(edit.data());
    if (!edit || !again)
        return;
    edit->SetText(again->LastText);
    edit->SetFocus();
}
