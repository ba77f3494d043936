#pragma once

#include "chords/strum_synth.h"

#include <QAccessibleWidget>

#include <array>

class FretboardWidget;

// The neck as screen readers see it: a list of the six strings, high mi first as on the
// screen, each an item named by its state ("corda 1: a vuoto, MI", "corda 5: tasto 3,
// DO"); the keyboard's cursor is on the item with focus.
class FretboardAccessible : public QAccessibleWidget
{
public:
    explicit FretboardAccessible(FretboardWidget* board);
    ~FretboardAccessible() override;

    // For QAccessible::installFactory.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    int childCount() const override;
    // Child i is string 5 - i (the high mi string first).
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The item of a string (0 low MI ... 5 high mi).
    QAccessibleInterface* stringItem(int string) const;

private:
    FretboardWidget* board() const;

    // Registered with QAccessible when first asked for, removed with the board's interface.
    mutable std::array<QAccessible::Id, chords::StringCount> m_ids{};
};
