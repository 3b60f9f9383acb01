// The 3DS models the program ships in its Models folder, made by our own
// writer (tests/support/writer3ds.h): a textured cube, a coloured
// icosahedron and a house of several objects and materials, with the
// cube's picture.
#pragma once
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// File name and bytes of every file of the Models folder.
std::vector<std::pair<QString, QByteArray>> ShippedModelFiles();
// Writes them into `folder`; false, naming the file, when one cannot be.
bool WriteShippedModels(const QString& folder, QString* failed);
