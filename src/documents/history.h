// The recent projects and files: up to three projects and seven files, newest first.
#pragma once

#include <QString>
#include <array>

struct Thistorie {
    // 1..4 project paths, 5..12 file paths (slot 0 unused); slots 4 and 12
    // hold the entry last pushed out of view and are never shown or stored.
    std::array<QString, 13> Items;
    // The path behind each item of the recent-files menu; "-" for the separator.
    std::array<QString, 11> MenuPaths;
    int ProjectCount = 0;
    int FileCount = 0;

    enum Kind { Project = 1, File = 2 };

    void AddToHistory(int kind, const QString &path);
    // Fills MenuPaths for the menu: projects, separator, files. Returns the
    // number of menu items in use.
    int RefreshMenuPaths();

    // Reads history.dat; a missing or garbled file gives what could be read,
    // never more than the twelve slots. Returns false when the file exists
    // but could not be read.
    bool Read(const QString &path);
    // Throws EInOutError; the file is replaced only once it is complete.
    void Save(const QString &path) const;
};

inline Thistorie History;
