#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <deque>
#include <mutex>
#include <optional>

#include "ui/toolkit/MWindow.h"

namespace quillon {
namespace {

struct Script {
    std::deque<std::string> answers;
    std::vector<FileQuestion> questions;
};

std::mutex g_mutex;
std::optional<Script> g_script;

// The scripted answer when a script is installed.
bool Scripted(const FileQuestion& question, std::string& answer) {
    std::lock_guard lock(g_mutex);
    if (!g_script) {
        return false;
    }
    g_script->questions.push_back(question);
    answer.clear();
    if (!g_script->answers.empty()) {
        answer = g_script->answers.front();
        g_script->answers.pop_front();
    }
    return true;
}

}  // namespace

std::string AskOpenFileName(MWindow* owner, const std::string& title, const std::string& filter) {
    std::string answer;
    if (Scripted({false, title, filter, {}}, answer)) {
        return answer;
    }
    return QFileDialog::getOpenFileName(owner != nullptr ? owner->View() : nullptr,
                                        QString::fromStdString(title), QString(),
                                        QString::fromStdString(filter))
        .toStdString();
}

std::string AskSaveFileName(MWindow* owner, const std::string& title, const std::string& filter,
                            const std::string& defaultName) {
    std::string answer;
    if (Scripted({true, title, filter, defaultName}, answer)) {
        return answer;
    }
    return QFileDialog::getSaveFileName(
               owner != nullptr ? owner->View() : nullptr, QString::fromStdString(title),
               QString::fromStdString(defaultName), QString::fromStdString(filter))
        .toStdString();
}

ScopedFileAnswers::ScopedFileAnswers(std::vector<std::string> answers) {
    std::lock_guard lock(g_mutex);
    g_script.emplace(Script{{answers.begin(), answers.end()}, {}});
}

ScopedFileAnswers::~ScopedFileAnswers() {
    std::lock_guard lock(g_mutex);
    g_script.reset();
}

void ScopedFileAnswers::Add(const std::string& answer) {
    std::lock_guard lock(g_mutex);
    g_script->answers.push_back(answer);
}

std::vector<FileQuestion> ScopedFileAnswers::Questions() const {
    std::lock_guard lock(g_mutex);
    return g_script->questions;
}

}  // namespace quillon
