#pragma once

#include "support/test_app.h"

#include <QString>

#include <memory>

class Form1;
class QAbstractButton;

// Drives the main window as a user does: clicks on radio items, check boxes,
// buttons and list rows, and key presses in the list.
namespace driver {

// Whether a test may remove files from imm/ without touching the build's.
enum class Pictures { Shared, Own };

// The program on a folder of its own whose imm/ holds a picture under every
// catalogue name, its main window shown. Shared pictures are the build's
// folder itself; own pictures are links to its files in a folder of the
// test's, so that removing one leaves the build alone.
std::unique_ptr<TestApp> startShown(Pictures pictures = Pictures::Shared);

// A click on the indicator of a radio button or check box.
void clickIndicator(QAbstractButton* button);
void clickButton(QAbstractButton* button);
void clickRow(Form1* form, int row);
void pressKey(Form1* form, int key);

void pickRoot(Form1* form, int root);
void pickType(Form1* form, int type);
// Root first, then type.
void pickChord(Form1* form, int root, int type);

// The picture file name shown in gif, without its folder; empty when none.
QString shownPicture(Form1* form);

} // namespace driver
