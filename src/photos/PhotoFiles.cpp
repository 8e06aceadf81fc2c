#include "photos/PhotoFiles.h"

bool PhotoFiles::SameListing(const std::vector<CPhotoFile>& a, const std::vector<CPhotoFile>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.path == y.path && x.size == y.size && x.modified == y.modified;
    });
}
