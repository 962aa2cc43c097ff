#pragma once

#include <QImage>
#include <QString>

/** A 60 x 60 feature button picture ("numer-but.png" ...), by file name. */
QImage featureButton(const QString &fileName);
/** A 20 x 20 tool picture: tool row, chart designer tool bar, font buttons. */
QImage toolIcon(const QString &fileName);
/** Small pictures of the interface (arrows, ticks, handles, tree icons ...). */
QImage interfacePicture(const QString &fileName);
/** File names each function draws. */
QStringList featureButtonFiles();
QStringList toolIconFiles();
QStringList interfacePictureFiles();
