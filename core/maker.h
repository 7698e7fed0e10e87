#pragma once

// Who made the program and whom it thanks: the about box links these, and every person sheet
// prints the page and the mail.
inline constexpr char kMakerMail[] = "zubo@example.org";
inline constexpr char kMakerPage[] = "http://www.example.org/zubo/";
inline constexpr char kThanksName[] = "Testerzy programu";
inline constexpr char kThanksMail[] = "testerzy@example.org";
