#pragma once
// The base of the editor's small settings objects: an update counter and one
// change callback.  Setters of derived classes call Changed() only when a
// value really changes; owned children point their OnChange at the parent's
// ChildChanged so that a change deep inside a settings tree reaches the owner
// once.
#include "base/update_counter.h"

#include <functional>

class TNotifyPersistent {
public:
    using TNotifyEvent = std::function<void(TNotifyPersistent* Sender)>;

    TNotifyPersistent() = default;
    TNotifyPersistent(const TNotifyPersistent&) = delete;
    TNotifyPersistent& operator=(const TNotifyPersistent&) = delete;
    virtual ~TNotifyPersistent() = default;

    TNotifyEvent OnChange;

    void BeginUpdate() { FUpdates.Begin(); }
    // Ends an update; the outermost end notifies.
    void EndUpdate();
    int UpdateCount() const { return FUpdates.Count(); }

    // Copies the settings of an object of the same class; the base class
    // accepts none and raises EConvertError.
    virtual void Assign(const TNotifyPersistent& Source);

    virtual void Changed();
    virtual void ChildChanged(TNotifyPersistent* Sender);

protected:
    // Wires a child so that its changes reach this object.
    void Adopt(TNotifyPersistent& Child);

private:
    TUpdateCounter FUpdates;
};
