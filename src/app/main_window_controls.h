#pragma once

#include "chords/chord_catalogue.h"
#include "core/texts.h"
#include "ui/widgets/radio_button.h"
#include "ui/widgets/radio_group.h"

// The main window's note and type groups and its blank entry as its layout file
// creates them, with their captions and items. They add nothing to the widgets
// they are, so that the window shows and reports plain RadioGroups and RadioButton.

class NoteGroup : public RadioGroup
{
public:
    explicit NoteGroup(QWidget* parent)
        : RadioGroup(QStringLiteral("Note"), chords::noteLabels(false), parent)
    {
    }
};

class TypeGroup : public RadioGroup
{
public:
    explicit TypeGroup(QWidget* parent)
        : RadioGroup(QStringLiteral("Tonalità"), chords::typeLabels(), parent)
    {
    }
};

class BlankButton : public RadioButton
{
public:
    explicit BlankButton(QWidget* parent) : RadioButton(texts::Blank, parent) {}
};
