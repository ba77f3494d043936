#pragma once

#include "app/main_window.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/radio_button.h"
#include "ui/widgets/radio_group.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

// Every control of the main window by type and name.
// clang-format off
#define MAIN_WINDOW_CONTROLS(X) \
    X(QWidget, ToolBar1) X(QToolButton, RxSpeedButton1) X(QToolButton, RxSpeedButton3) \
    X(QToolButton, freccia) X(QToolButton, RxSpeedButton4) X(QToolButton, RxSpeedButton5) \
    X(QToolButton, RxSpeedButton6) X(QToolButton, RxSpeedButton7) X(QLabel, Panel1) \
    X(QPushButton, BitBtn2) X(QPushButton, BitBtn1) X(RadioGroup, note) X(RadioGroup, toni) \
    X(QFrame, Bevel1) X(PictureView, Image2) X(QLineEdit, Edit1) X(QFrame, Shape1) \
    X(PictureView, gif) X(QCheckBox, secpos) X(QListView, ListBox1) X(QFrame, Panel3) \
    X(QPushButton, Button1) X(QPushButton, Button3) X(QPushButton, Button5) X(QFrame, Panel2) \
    X(QPushButton, Button4) X(QPushButton, Button2) X(QLineEdit, Edit2) X(QLabel, Label1) \
    X(QLineEdit, Edit3) X(QGroupBox, GroupBox1) X(RadioButton, spazio) X(QCheckBox, americana) \
    X(QWidget, StatusBar1) X(QLabel, StatusPanel0) X(QLabel, StatusPanel1) \
    X(QProgressBar, ProgressBar1) X(QTimer, Timer1) X(QMenu, File1) X(QMenu, Help1) \
    X(QMenu, PopupMenu1) X(QMenu, recenti) X(QAction, Nuovalista1) X(QAction, Salva1) \
    X(QAction, Salvaconnome1) X(QAction, Apri1) X(QAction, Filerecenti1) \
    X(QAction, Informazionilistaaggiuntive1) X(QAction, Esci1) X(QAction, Guida1) \
    X(QAction, Info1) X(QAction, Informazionilistaaggiuntive2) X(QAction, Nuovalista2) \
    X(QAction, Salvalista1) X(QAction, Salvalistaconnome1) X(QAction, Aprilista1) \
    X(QAction, Filerecenti2) X(QAction, Esci2) X(QAction, file11) X(QAction, file21) \
    X(QAction, file31)
// clang-format on

// The main window's controls, found by object name, so that a test reaches a
// control the same way whatever holds it in the window. Part of the window
// driver (window_driver.h), kept free of Qt Test for the benchmarks.
struct MainWindowControls
{
#define MAIN_WINDOW_CONTROL(Type, name) Type* name = nullptr;
    MAIN_WINDOW_CONTROLS(MAIN_WINDOW_CONTROL)
#undef MAIN_WINDOW_CONTROL
};

MainWindowControls controls(const MainWindow* form);
