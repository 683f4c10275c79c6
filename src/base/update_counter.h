#pragma once
// The nesting of BeginUpdate and EndUpdate of an object that notifies its changes: the
// object notifies once when the outermost update ends.  An EndUpdate without a matching
// BeginUpdate is ignored, so that it can never leave the object in an update for good.
class TUpdateCounter {
public:
    // True when this starts the outermost update.
    bool Begin() { return FCount++ == 0; }
    // True when this ends the outermost update; false for an inner end and for an end
    // without a begin.
    bool End() {
        if (FCount == 0) return false;
        return --FCount == 0;
    }
    bool Updating() const { return FCount > 0; }
    int Count() const { return FCount; }

private:
    int FCount = 0;
};
