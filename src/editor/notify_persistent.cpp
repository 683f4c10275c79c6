#include "editor/notify_persistent.h"

#include "editor/errors.h"

#include <typeinfo>

void TNotifyPersistent::EndUpdate() {
    --FUpdateCount;
    Changed();
}

void TNotifyPersistent::Changed() {
    if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TNotifyPersistent::ChildChanged(TNotifyPersistent* Sender) {
    if (Sender != this) Changed();
}

void TNotifyPersistent::Adopt(TNotifyPersistent& Child) {
    Child.OnChange = [this](TNotifyPersistent* Sender) { ChildChanged(Sender); };
}

void TNotifyPersistent::Assign(const TNotifyPersistent& Source) {
    throw EConvertError(std::string("Cannot assign a ") + typeid(Source).name() + " to a " +
                        typeid(*this).name());
}
