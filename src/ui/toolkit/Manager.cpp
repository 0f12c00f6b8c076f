#include "ui/toolkit/Manager.h"

#include <QApplication>
#include <QCursor>
#include <QThread>
#include <mutex>

namespace quillon {
namespace {

std::mutex g_mutex;
std::string g_imageFolder;
std::string g_fontName = "Open Sans Semibold";

}  // namespace

void Manager::SetInstance(const std::string& resourceFolder) {
    std::lock_guard lock(g_mutex);
    g_imageFolder = resourceFolder;
    if (!g_imageFolder.empty() && g_imageFolder.back() != '/') {
        g_imageFolder.push_back('/');
    }
    g_imageFolder += "Skin/";
}

std::string Manager::ImagePath(std::string_view name) {
    std::string path;
    {
        std::lock_guard lock(g_mutex);
        path = g_imageFolder;
    }
    if (path.empty()) {
        return {};
    }
    for (char c : name) {
        path.push_back(c == '\\' ? '/' : c);
    }
    return path;
}

void Manager::SetFontName(const std::string& name) {
    std::lock_guard lock(g_mutex);
    g_fontName = name;
}

std::string Manager::FontName() {
    std::lock_guard lock(g_mutex);
    return g_fontName;
}

bool Manager::OnGuiThread() {
    return QCoreApplication::instance() != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

void Manager::GetCursorPos(int& x, int& y) {
    QPoint point = QCursor::pos();
    x = point.x();
    y = point.y();
}

}  // namespace quillon
