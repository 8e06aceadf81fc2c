#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Pictures of a day at a child care center, drawn by the program: the photos of the
// sample center. The same seed always draws the same picture; people are simple cartoon
// figures.
namespace SampleScenes {

// The kinds of scene, each a corner of a center's day.
int SceneCount();
// The scene's name, fit for a file name: "Sandpit", "Painting easel" ...
QString SceneName(int scene);
QImage DrawScene(int scene, quint32 seed, QSize size);

// One figure in front of a coloured wall: a child's photo, or a staff member's when
// `grownUp`.
QImage DrawPortrait(quint32 seed, QSize size, bool grownUp);
// Two grown-ups and the child in the garden.
QImage DrawFamily(quint32 seed, QSize size);

} // namespace SampleScenes
