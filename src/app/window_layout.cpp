#include "app/window_layout.h"

namespace {

TWindowRect RectAt(int Left, int Top, int Width, int Height) {
    return TWindowRect{Left, Top, Left + Width, Top + Height};
}

bool TooSmall(int Width, int Height) {
    return Width < MinimumTileWidth || Height < MinimumTileHeight;
}

} // namespace

TGridShape GridShape(int Count) {
    TGridShape Shape;
    if (Count <= 0) return Shape;
    Shape.Columns = 1;
    while (Shape.Columns * Shape.Columns < Count) ++Shape.Columns;
    Shape.Rows = (Count + Shape.Columns - 1) / Shape.Columns;
    return Shape;
}

std::vector<TWindowRect> GridLayout(const TWindowRect& WorkArea, int Count) {
    std::vector<TWindowRect> Result;
    const TGridShape Shape = GridShape(Count);
    if (Count <= 0) return Result;
    const int W = WorkArea.Width() / Shape.Columns, WidthRest = WorkArea.Width() % Shape.Columns;
    const int H = WorkArea.Height() / Shape.Rows, HeightRest = WorkArea.Height() % Shape.Rows;
    if (TooSmall(W, H)) return Result;
    for (int I = 0; I < Count; ++I) {
        const int Column = I % Shape.Columns, Row = I / Shape.Columns;
        const bool LastColumn = Column == Shape.Columns - 1, LastRow = Row == Shape.Rows - 1;
        Result.push_back(RectAt(WorkArea.Left + Column * W, WorkArea.Top + Row * H,
                                W + (LastColumn ? WidthRest : 0), H + (LastRow ? HeightRest : 0)));
    }
    return Result;
}

std::vector<TWindowRect> StackedLayout(const TWindowRect& WorkArea, int Count) {
    std::vector<TWindowRect> Result;
    if (Count <= 0) return Result;
    const int H = WorkArea.Height() / Count;
    if (TooSmall(WorkArea.Width(), H)) return Result;
    for (int I = 0; I < Count; ++I) {
        const bool Last = I == Count - 1;
        Result.push_back(RectAt(WorkArea.Left, WorkArea.Top + I * H, WorkArea.Width(),
                                H + (Last ? WorkArea.Height() % Count : 0)));
    }
    return Result;
}

std::vector<TWindowRect> SideBySideLayout(const TWindowRect& WorkArea, int Count) {
    std::vector<TWindowRect> Result;
    if (Count <= 0) return Result;
    const int W = WorkArea.Width() / Count;
    if (TooSmall(W, WorkArea.Height())) return Result;
    for (int I = 0; I < Count; ++I) {
        const bool Last = I == Count - 1;
        Result.push_back(RectAt(WorkArea.Left + I * W, WorkArea.Top,
                                W + (Last ? WorkArea.Width() % Count : 0), WorkArea.Height()));
    }
    return Result;
}

std::vector<TWindowRect> CascadeLayout(const TWindowRect& WorkArea, int Count, int Step) {
    std::vector<TWindowRect> Result;
    const int W = (WorkArea.Width() / 4) * 3, H = (WorkArea.Height() / 25) * 18;
    int X = WorkArea.Left, Y = WorkArea.Top;
    for (int I = 0; I < Count; ++I) {
        if (X + W > WorkArea.Right - 10 || Y + H > WorkArea.Bottom - 10) {
            X = WorkArea.Left;
            Y = WorkArea.Top;
        }
        Result.push_back(RectAt(X, Y, W, H));
        X += Step;
        Y += Step;
    }
    return Result;
}
