// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace velmora {

// Caption of the one-line strip at the top of the main window that invites
// the user to the forum site.
inline constexpr std::string_view kForumInvitation = "Join our free numerology discussion forum online";

// The appeals of the closing window; one of them is picked at random when it opens.
inline constexpr std::string_view kAppeals[4] = {
    // users support the programs by visiting the forum
    "Programs like this one can only be made and kept up with the support of their users. The best "
    "way to support us is to visit our forum site regularly and take an active part in its "
    "discussions and activities. Thank you so much!",
    // without visits the programs cannot be kept up
    "Please come to our forum site often and join in the discussions there. Without your "
    "visits we cannot go on supporting and maintaining programs like this one, so every single "
    "visit truly makes a difference.",
    // a free forum; visits help develop this program
    "Our forum site is a free online discussion forum for everyone. Please do visit it regularly, "
    "because your visits help us to develop and maintain this program.",
    // the forum needs help so that more programs can be made
    "Our forum site needs your help. Please visit it regularly and take part in its discussions "
    "and activities, so that we can keep on making more free programs like this one for you and "
    "many others.",
};

// The offer of the software catalogue in the closing window.
inline constexpr std::string_view kQuillonOffer =
    "If you have enjoyed this software you will surely like our other programs as well. Quillon is "
    "our catalogue of useful and easy to use software for the home and the office. You will find "
    "calculators for numerology, astrology and biorhythms, tools to organise your files, notes and "
    "photos, handy utilities that keep your computer clean and fast, and simple games for the "
    "whole family. Each program is small, quick to install and friendly to learn, and many of them "
    "are free to try. We add new titles often and keep the old ones up to date. Click the link "
    "below to visit Quillon and see all we have made for you today.";

} // namespace velmora
