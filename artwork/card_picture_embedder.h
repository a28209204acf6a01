#pragma once
#include "picture_embedding.h"
#include "reading_windows.h"

namespace baralune {

// Puts the small face of a card (entry card + 1 of the small image list) into the report.
class CardPictureEmbedder : public ReportPictures {
 public:
  explicit CardPictureEmbedder(richtext::ScreenTwips twips = {}) : twips_(twips) {}
  void InsertCardPicture(richtext::RichTextBox& box, CardIndex card) override;

 private:
  richtext::ScreenTwips twips_;
};

}  // namespace baralune
