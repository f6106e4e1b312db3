#pragma once
// Places the children of one container as the window designs do: top-aligned children stacked
// from the top edge at their own heights, one client child filling the rest, and children at
// fixed places that keep their distances to the edges they are anchored to. Hidden children
// take no room. The container's size when the children are added is its design size.
#include <QObject>
#include <QRect>

#include <vector>

class QWidget;

namespace qv {

class TControlLayout : public QObject {
public:
    enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

    explicit TControlLayout(QWidget* container);

    void AddTop(QWidget* child);     // keeps its height
    void AddClient(QWidget* child);  // fills what the top-aligned children leave
    // At its current geometry, anchored to the edges in anchors.
    void AddAnchored(QWidget* child, int anchors);

    // Places every child again; the form calls it after changing a top-aligned child's height or
    // an anchored child's size. Resizing the container, and showing or hiding an aligned child,
    // do it by themselves.
    void Realign();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TAnchored {
        QWidget* Child;
        int Anchors;
        QRect Design;   // geometry at the container's design size
        int RightGap;   // design distance to the container's right edge
        int BottomGap;  // and to its bottom edge
    };

    void PlaceAnchored(const TAnchored& a) const;

    QWidget* FContainer;
    std::vector<QWidget*> FTop;
    QWidget* FClient = nullptr;
    std::vector<TAnchored> FAnchored;
};

}  // namespace qv
