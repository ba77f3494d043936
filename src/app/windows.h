#pragma once

class MainWindow;
class AboutWindow;
class PagePreviewWindow;
class TitleDialog;
class InformationWindow;
class SaverSettingsWindow;
class SaverWindow;
class RiffEditor;

// The eight windows, created in this order at start by CorvaltoApp, which wires
// them to one another; tests and benchmarks reach them here. Windows and
// controllers do not: they talk through signals and injected functions.
struct Windows
{
    MainWindow* mainWindow = nullptr;
    AboutWindow* aboutWindow = nullptr;
    PagePreviewWindow* pagePreview = nullptr;
    TitleDialog* titleDialog = nullptr;
    InformationWindow* informationWindow = nullptr;
    SaverSettingsWindow* saverSettings = nullptr;
    SaverWindow* saverWindow = nullptr;
    RiffEditor* riffEditor = nullptr;
};
