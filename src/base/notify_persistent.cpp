#include "base/notify_persistent.h"

#include "base/errors.h"

#include <typeinfo>

void TNotifyPersistent::EndUpdate() {
    if (FUpdates.End()) Changed();
}

void TNotifyPersistent::Changed() {
    if (!FUpdates.Updating() && OnChange) OnChange(this);
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
