// The camera window's position line: its caption and the camera's input each
// stand on a shape-button plate, a disabled picture without bevel or border
// keyed out over the group.
#include <QLabel>

#include "DialogFixture.h"
#include "controls/UxGroupBox.h"
#include "controls/UxShapeButton.h"
#include "dialogs/FCamera.h"

namespace {

TEST_F(DialogTest, CameraPositionTextsStandOnTwoPlates) {
  forms.CreateForm(fmCamera);
  auto* group = fmCamera->FindControl<TUxGroupBox>("uxgCameraPos");
  ASSERT_NE(group, nullptr);
  fmCamera->show();
  for (auto [plateName, labelName] :
       {std::pair{"uxsbNameCameraPos", "lbNameCameraPos"}, {"uxsbCameraPos", "lbCameraPos"}}) {
    SCOPED_TRACE(plateName);
    auto* plate = fmCamera->FindControl<TUxShapeButton>(plateName);
    auto* label = fmCamera->FindControl<QLabel>(labelName);
    ASSERT_TRUE(plate && label);
    EXPECT_EQ(plate->parentWidget(), group);
    EXPECT_FALSE(plate->isEnabled());
    EXPECT_EQ(plate->BevelWidth(), 0);
    EXPECT_EQ(plate->BorderStyle(), bsNone);
    EXPECT_TRUE(plate->Caption().isEmpty());
    EXPECT_EQ(plate->BitmapUp(), plate->Bitmap()) << "no bevel, no border: the face is the picture";
    const QRect face(plate->pos(), plate->Bitmap().size());
    EXPECT_EQ(label->geometry(), face);
    EXPECT_LT(group->children().indexOf(plate), group->children().indexOf(label)) << "the text stands in front";
    const QImage shot = group->grab().toImage();
    EXPECT_EQ(shot.pixelColor(face.bottomLeft() + QPoint(6, -2)), QColor(24, 28, 32)) << "the plate";
    EXPECT_NE(shot.pixelColor(face.topLeft()), QColor(0, 128, 128)) << "the key colour never shows";
  }
}

}  // namespace
