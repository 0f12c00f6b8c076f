#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Process-wide settings of the toolkit. Safe from any thread.
class Manager {
  public:
    // The program's resource folder; skin images are read from its "Skin/" sub-folder.
    static void SetInstance(const std::string& resourceFolder);
    // Path of a skin image named as the pages name it ("icon\tab_home.png").
    static std::string ImagePath(std::string_view name);

    // Font family of every control that names no font of its own.
    static void SetFontName(const std::string& name);
    static std::string FontName();

    static bool OnGuiThread();
    // The pointer's position on the screen.
    static void GetCursorPos(int& x, int& y);
};

}  // namespace quillon
