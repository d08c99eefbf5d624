#include "support/scripted_platform.h"

ScriptedPlatform::ScriptedPlatform() : fallback(solidImage(Qt::magenta)) {}

QImage solidImage(QColor color, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

template <typename T>
static T takeFront(std::deque<T>& queue, const T& otherwise)
{
    if (queue.empty())
        return otherwise;
    const T value = queue.front();
    queue.pop_front();
    return value;
}

int ScriptedPlatform::messageBox(const QString& text, int style, const QString& title)
{
    messages.push_back({text, style, title});
    return takeFront(answers, (style & 7) == 0 ? MsgAnswer::Ok : MsgAnswer::Cancel);
}

QString ScriptedPlatform::inputBox(const QString& prompt, const QString& title)
{
    prompts.push_back({prompt, title});
    return takeFront(inputs, QString());
}

QString ScriptedPlatform::popupMenu(const std::vector<MenuEntry>& entries)
{
    menus.push_back(entries);
    menuAnchors.push_back(menuAnchor);
    return takeFront(menuChoices, QString());
}

std::optional<FileChoice> ScriptedPlatform::openFile(const QString& filter)
{
    fileFilters.push_back(filter);
    return takeFront(files, std::optional<FileChoice>());
}

std::optional<int32_t> ScriptedPlatform::chooseColor()
{
    ++colorDialogs;
    return takeFront(colors, std::optional<int32_t>());
}

QImage ScriptedPlatform::extractIcon(const QString& fileName, int32_t index, int pixelSize)
{
    const auto found = icons.find({fileName, index});
    if (found == icons.end())
        return {};
    return found->second.scaled(pixelSize, pixelSize);
}

QImage ScriptedPlatform::fallbackIcon(int pixelSize)
{
    return fallback.scaled(pixelSize, pixelSize);
}

QString ScriptedPlatform::findExecutable(const QString& fileName, const QString& directory)
{
    lookups.emplace_back(fileName, directory);
    const auto found = associations.find(fileName);
    return found == associations.end() ? QString() : found->second;
}

bool ScriptedPlatform::setCurrentDirectory(const QString& path)
{
    directoryChanges.push_back(path);
    if (missingDirectories.contains(path))
        return false;
    cwd = path;
    return true;
}

StartResult ScriptedPlatform::startCommandLine(const QString& commandLine,
                                               const QString& workingDir)
{
    if (!startError.isEmpty())
        return {false, startError};
    launches.push_back({commandLine, workingDir});
    return {true, {}};
}

StartResult ScriptedPlatform::startDesktopEntry(const QString& entryFile, const QString& parameters,
                                                const QString& document, const QString& workingDir)
{
    if (!startError.isEmpty())
        return {false, startError};
    entryLaunches.push_back({entryFile, parameters, document, workingDir});
    return {true, {}};
}

EntrySummary ScriptedPlatform::describeDesktopEntry(const QString& entryFile)
{
    const auto found = desktopEntries.find(entryFile);
    return found == desktopEntries.end() ? EntrySummary() : found->second;
}
