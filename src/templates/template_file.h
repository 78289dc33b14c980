// Templates (Sablony/*.vtq): a description line, then the page text with the
// placeholders "<*a*>", "<*j*>", "<*k*>", "<*p*>" and "<*r*>".
#pragma once

#include "conversion/codec.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

struct TTemplateEntry {
    QString FileName;    // "Sablona1.vtq", in the template folder
    QString Description; // its first line
};

// What the new-file dialog fills the placeholders with.
struct TTemplateFields {
    QString Author;      // <*a*>
    QString Language;    // <*j*>
    QString Keywords;    // <*k*>
    QString Description; // <*p*>
    QString Robots;      // <*r*>
};

namespace TemplateFile {

// "index," or "noindex," followed directly by "follow" or "nofollow".
QString RobotsText(bool index, bool follow);

// The placeholder letters (of a, j, k, p, r) that occur anywhere in lines.
QSet<QChar> PlaceholdersIn(const QStringList &lines);

// One page line filled: the first of the five placeholders in it is replaced
// and the rest of the line is left as it stands.
QString FillLine(const QString &line, const TTemplateFields &fields);

// The page of a template (its lines after the description), filled.
QStringList Fill(const QStringList &templateLines, const TTemplateFields &fields);

// The template files of folder with their descriptions, in natural name
// order. Files that cannot be read are left out.
QList<TTemplateEntry> List(const QString &folder);

// The name for a new template: "Sablona" + (number of templates + 1) + ".vtq",
// or the next number not taken, so an existing template is never replaced.
QString NextTemplateName(const QString &folder);

// The encoding a page made from a template is written in: the template's,
// or UTF-8 when an 8-bit template declares UTF-8 as its character set, so
// typed non-ASCII text matches what the page says it holds.
Codec::TextEncoding PageEncoding(const QStringList &templateLines, Codec::TextEncoding templateEncoding);

} // namespace TemplateFile
