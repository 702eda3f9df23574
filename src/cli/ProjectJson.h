// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

class TWindowlessProject;

// A loaded project as JSON: the body fields, start actions and objects
// under their stored names; bodyVersion is the version the file had.
// Throws StreamError when the project cannot be written out.
QJsonObject ProjectToJson(TWindowlessProject& document, int bodyVersion);

// Reads JSON of that form into the document through the same record
// readers a load uses. Missing fields take the defaults of a new project
// or object. Returns false with error set when a field has the wrong type
// (error names it) or when the loader refused the data (its message boxes
// have been shown; error says so).
bool JsonToProject(const QJsonObject& json, TWindowlessProject& document, QString& error);
