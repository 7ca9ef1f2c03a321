// What VakSelecteren and the undo need of a text box, single- or multi-line.
#pragma once

#include <QString>

namespace zwervel {

class TextField {
public:
    virtual ~TextField() = default;
    virtual QString Text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual int SelStart() const = 0;
    virtual void setSelStart(int position) = 0;
    virtual int SelLength() const = 0;
    virtual void setSelLength(int length) = 0;
    virtual QString SelText() const = 0;
    virtual int TextLength() const = 0;
    virtual void SetFocus() = 0;
};

} // namespace zwervel
