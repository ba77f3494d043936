#pragma once

#include <QIcon>

// The program's own small pictures for its tool buttons, drawn as vectors at
// whatever size a button asks for, so that nothing is looked up in the style
// or an icon theme when the windows are made.
enum class ToolIcon {
    NewList,
    OpenList,
    RecentFiles,
    SaveList,
    ListInformation,
    Help,
    About,
    RiffEditor,
    ScreenSaver,
    // Chevrons of a bar whose items do not all fit.
    MoreRight,
    MoreDown,
};

QIcon toolIcon(ToolIcon which);
