// SPDX-License-Identifier: GPL-3.0-or-later
// Built on QSettings, opened afresh for every operation: QSettings re-reads a file that another
// copy of the program has changed when it is opened, and writes the whole file to a temporary
// file that then replaces the old one, so a crash never leaves a half-written store.
#include "settings/settingsstore.h"

#include "settings/programname.h"
#include "settings/settingnames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>

namespace tandem {

namespace {

QString ConfigurationFolder() {
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString ProgramKey() {
    return QString::fromStdString(ProgramName());
}

std::unique_ptr<QSettings> OpenStore() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(settings::kOrganisation), ProgramKey());
#else
    return std::make_unique<QSettings>(SettingsStore::Location(), QSettings::IniFormat);
#endif
}

// The store opened at a section, or at a list below it.
std::unique_ptr<QSettings> OpenSection(const std::string& section, std::string_view list = {}) {
    auto store = OpenStore();
    store->beginGroup(QString::fromStdString(section));
    if (!list.empty())
        store->beginGroup(QString::fromUtf8(list.data(), qsizetype(list.size())));
    return store;
}

QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// The registry keeps types: only a text value reads as text. An INI file keeps none, and a text
// with commas that was not written by the program reads as a list.
std::string TextOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().toStdString();
#ifndef Q_OS_WIN
    case QMetaType::Int:
    case QMetaType::LongLong:
        return value.toString().toStdString();
    case QMetaType::QStringList:
        return value.toStringList().join(QLatin1Char(',')).toStdString();
#endif
    default:
        return {};
    }
}

// Only a whole 32-bit integer is a number value; anything else is no value.
std::optional<int> NumberOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
        return value.toInt();
#ifndef Q_OS_WIN
    case QMetaType::QString: {
        bool whole = false;
        const int number = value.toString().toInt(&whole);
        return whole ? std::optional<int>(number) : std::nullopt;
    }
#endif
    default:
        return std::nullopt;
    }
}

// QSettings keeps what it parsed of a file for the rest of the process, so a file that can no
// longer be read would still answer from that copy, and a write that failed would still be read
// back. The store therefore asks the file system first.
bool StoreReadable() {
#ifdef Q_OS_WIN
    return true;
#else
    const QFileInfo file(SettingsStore::Location());
    return !file.exists() || file.isReadable();
#endif
}

bool StoreWritable() {
#ifdef Q_OS_WIN
    return true;
#else
    const QFileInfo file(SettingsStore::Location());
    if (file.exists())
        return file.isFile() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
    // The folders on the way are made by the write: the nearest existing one must take them.
    QFileInfo folder(file.absolutePath());
    while (!folder.exists() && !folder.isRoot())
        folder = QFileInfo(folder.absolutePath());
    return folder.isDir() && folder.isWritable();
#endif
}

// How much of a window's caption band stays on the available area, so it can be grabbed.
constexpr int kReachableWidth = 100;
constexpr int kReachableHeight = 30;

// A place and size brought onto the available area: no larger than it, no smaller than
// smallest (where the area allows), the top inside it and enough of the caption band on it to
// grab the window.
QRect OntoArea(QRect placement, const QRect& area, QSize smallest) {
    smallest = smallest.boundedTo(area.size());
    const QSize size = placement.size().expandedTo(smallest).boundedTo(area.size());
    const int reachable = std::min(kReachableWidth, size.width());
    const int left = std::clamp(placement.left(), area.left() + reachable - size.width(),
                                area.right() + 1 - reachable);
    const int top = std::clamp(placement.top(), area.top(),
                               area.bottom() + 1 - std::min(kReachableHeight, size.height()));
    return QRect(QPoint(left, top), size);
}

QRect AvailableArea(const QRect& placement) {
    const QScreen* screen = QGuiApplication::screenAt(placement.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : placement;
}

} // namespace

// Stored coordinates beyond this are nonsense on any screen; they are cut here first.
constexpr qint64 kLargestPlacement = 1 << 20;

SettingsStore::SettingsStore(QWidget* owner) : owner_(owner) {}

SettingsStore::~SettingsStore() {
    SavePlacement();
}

void SettingsStore::RestorePlacement() {
    if (!placementEnabled_ || !owner_ || !StoreReadable())
        return;
    const auto store = OpenStore();
    if (!store->childGroups().contains(QString::fromStdString(section_)))
        return;
    store->beginGroup(QString::fromStdString(section_));
    // A value that is missing or no whole number keeps the owner's built-in one.
    const auto number = [&store](const char* name, int builtIn) {
        return NumberOf(store->value(QString::fromLatin1(name))).value_or(builtIn);
    };
    // Computed in 64 bits: a stored width near the integer limit must not overflow.
    const qint64 left = number(settings::kLeft, owner_->x());
    const qint64 top = number(settings::kTop, owner_->y());
    const qint64 width =
        std::clamp<qint64>(number(settings::kWidth, owner_->width()), 0, kLargestPlacement);
    const qint64 height =
        std::clamp<qint64>(number(settings::kHeight, owner_->height()), 0, kLargestPlacement);
    const QRect stored(int(std::clamp<qint64>(left, -kLargestPlacement, kLargestPlacement)),
                       int(std::clamp<qint64>(top, -kLargestPlacement, kLargestPlacement)),
                       int(width), int(height));
    const QSize smallest = smallest_.expandedTo(owner_->minimumSize());
    const QRect placed = OntoArea(stored, AvailableArea(stored), smallest);
    owner_->move(placed.topLeft());
    owner_->resize(placed.size());
}

void SettingsStore::SavePlacement() {
    if (!placementEnabled_ || !owner_ || !StoreWritable())
        return;
    const bool restored =
        !owner_->isMaximized() && !owner_->isMinimized() && !owner_->isFullScreen();
    // A frameless window's position and size are those of its outer bounds.
    const QRect normal = restored ? QRect(owner_->pos(), owner_->size()) : owner_->normalGeometry();
    const auto store = OpenSection(section_);
    store->setValue(QString::fromLatin1(settings::kLeft), normal.left());
    store->setValue(QString::fromLatin1(settings::kTop), normal.top());
    store->setValue(QString::fromLatin1(settings::kWidth), normal.width());
    store->setValue(QString::fromLatin1(settings::kHeight), normal.height());
    store->setValue(QString::fromLatin1(settings::kShow), owner_->isVisible() ? 1 : 0);
    store->sync();
}

void SettingsStore::WriteString(std::string_view name, std::string_view text) {
    if (!StoreWritable())
        return;
    const auto store = OpenSection(section_);
    store->setValue(Name(name), QString::fromUtf8(text.data(), qsizetype(text.size())));
    store->sync();
}

std::string SettingsStore::ReadString(std::string_view name) const {
    if (!StoreReadable())
        return {};
    return TextOf(OpenSection(section_)->value(Name(name)));
}

void SettingsStore::WriteList(std::string_view name, const StringList& list) {
    if (!StoreWritable())
        return;
    const auto store = OpenSection(section_, name);
    for (int index = 0; index < list.Count(); ++index)
        store->setValue(QString::number(index), QString::fromStdString(list.Item(index)));
    store->sync();
}

std::optional<StringList> SettingsStore::ReadList(std::string_view name) const {
    if (!StoreReadable())
        return std::nullopt;
    const auto store = OpenSection(section_, name);
    StringList list;
    for (int index = 0; index < kListReadLimit; ++index) {
        const std::string item = TextOf(store->value(QString::number(index)));
        if (item.empty())
            break;
        list.Add(item);
    }
    if (list.Count() == 0)
        return std::nullopt;
    return list;
}

QString SettingsStore::Location() {
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\%2")
        .arg(QString::fromLatin1(settings::kOrganisation), ProgramKey());
#else
    return QStringLiteral("%1/%2/%3.ini")
        .arg(ConfigurationFolder(), QString::fromLatin1(settings::kOrganisation), ProgramKey());
#endif
}

void SettingsStore::ForgetAll() {
#ifdef Q_OS_WIN
    const auto store = OpenStore();
    store->clear();
    store->sync();
#else
    QFile::remove(Location());
#endif
}

std::unique_ptr<SettingsStore> CreateSettingsStore(QWidget* owner) {
    return std::make_unique<SettingsStore>(owner);
}

} // namespace tandem
