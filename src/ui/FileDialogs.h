#pragma once

#include <string>
#include <vector>

namespace quillon {

class MWindow;

// One question for a file name, as the program asks it.
struct FileQuestion {
    bool save = false;
    std::string title;
    std::string filter;       // "Profile (*.xml)"
    std::string defaultName;  // proposed file name (save only)
};

// Asks for an existing file to open, or for a file to save (with the overwrite prompt), over
// `owner`. Empty when the person cancels. Window thread.
std::string AskOpenFileName(MWindow* owner, const std::string& title, const std::string& filter);
std::string AskSaveFileName(MWindow* owner, const std::string& title, const std::string& filter,
                            const std::string& defaultName);

// While an object lives, the questions above take their answers from it, in order, instead of
// showing a file dialog (an empty answer cancels; no answers left cancels too), and are recorded.
// For tests, which have nobody to pick a file.
class ScopedFileAnswers {
  public:
    explicit ScopedFileAnswers(std::vector<std::string> answers);
    ~ScopedFileAnswers();
    ScopedFileAnswers(const ScopedFileAnswers&) = delete;
    ScopedFileAnswers& operator=(const ScopedFileAnswers&) = delete;

    void Add(const std::string& answer);
    std::vector<FileQuestion> Questions() const;
};

}  // namespace quillon
