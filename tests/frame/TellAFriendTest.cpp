#include "frame/modTellAFriend.h"

#include "Fakes.h"
#include "platform/SiteAddress.h"

#include <gtest/gtest.h>

#include <QUrl>

#include <optional>
#include <ostream>

// Readable failure output for texts.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace tessavo;

namespace {

const QString kDistinct = QStringLiteral("Please Enter Distinct Email Addresses");
const QString kProper = QStringLiteral("Please Enter Proper Email Address");
const QString kName = QStringLiteral("Please Enter Your Name");
const QString kMessage = QStringLiteral("Please Enter Your Message");
const QString kFriendName = QStringLiteral("Please Enter Your Friend's Name");

struct AddressRow {
    const char *email;
    const char *friendEmail;
    std::optional<QString> expected;
};

TEST(TellAFriendChecks, AddressesInCheckOrder)
{
    const AddressRow rows[] = {
        {"Your Email Address", "Friend's Email Address", kProper},
        {"a@b.com", "a@b.com", kDistinct},
        {"", "", kDistinct}, // distinctness comes before the "@" check
        {"A@B.com", "a@b.com", std::nullopt},
        {"ab.com", "c@d.com", kProper},
        {"a@b.com", "cd.com", kProper},
        {"a@bcom", "c@d.com", kProper},
        {"a@b.com", "c@dcom", kProper},
        {"a@b.com", "c@d.org", std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.email) + " / " + row.friendEmail);
        EXPECT_EQ(addressCheckMessage(QString::fromUtf8(row.email),
                                      QString::fromUtf8(row.friendEmail)),
                  row.expected);
    }
}

struct DetailsRow {
    const char *name;
    const char *message;
    const char *friendName;
    std::optional<QString> expected;
};

TEST(TellAFriendChecks, DetailsInCheckOrder)
{
    const DetailsRow rows[] = {
        {"Your Name", "Your Message\r\n", "Friend's Name", kName},
        {"", "", "", kName},
        {"Ann", "Your Message", "Bob", kMessage},
        {"Ann", "", "Bob", kMessage},
        {"Ann", "Your Message\r\n", "Friend's Name", kFriendName},
        {"Ann", "Hi", "", kFriendName},
        {"your name", "Hi", "Bob", std::nullopt}, // only the exact placeholder is refused
        {"Ann", "Your Message\r\n", "Bob", std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TellAFriendData data;
        data.TellName = QString::fromUtf8(row.name);
        data.TellMessage = QString::fromUtf8(row.message);
        data.TellFriendName = QString::fromUtf8(row.friendName);
        EXPECT_EQ(tellAFriendCheckMessage(data), row.expected);
    }
}

TEST(TellAFriendChecks, TrimsSpacesOnly)
{
    const struct {
        const char *in;
        const char *out;
    } rows[] = {
        {"  Ann  ", "Ann"},
        {"   ", ""},
        {"Your Message\r\n", "Your Message\r\n"},
        {" \tAnn\t ", "\tAnn\t"},
        {"Ann Lee", "Ann Lee"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(trimSpaces(QString::fromUtf8(row.in)), QString::fromUtf8(row.out)) << row.in;
}

TEST(TellAFriendUrl, EveryValueIsEncoded)
{
    TellAFriendData data;
    data.TellName = QStringLiteral("Tom & Jerry #1 =x");
    data.TellEmail = QStringLiteral("tom+1@ex.com");
    data.TellMessage = QStringLiteral("Your Message\r\n");
    data.TellFriendName = QStringLiteral("Zoë?");
    data.TellFriendEmail = QStringLiteral("z@ex.com");
    EXPECT_EQ(buildTellURL(data),
              kSiteAddress
                  + QStringLiteral("/tessavo/ssd.php?page=qxms-refer-a-friend"
                                   "&taf1=Tom%20%26%20Jerry%20%231%20%3Dx"
                                   "&taf2=tom%2B1%40ex.com"
                                   "&taf3=Your%20Message%0D%0A"
                                   "&taf4=Zo%C3%AB%3F"
                                   "&taf5=z%40ex.com"
                                   "&taf6=")
                  + QString::fromLatin1(QUrl::toPercentEncoding(kSiteAddress + "/tessavo/")));
}

class SubmitTellAFriendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes = test::installFakes();
        modTellAFriend() = TellAFriendData{};
    }
    test::Fakes fakes{};
};

TEST_F(SubmitTellAFriendTest, RefusalShowsCriticalMessageAndOpensNothing)
{
    modTellAFriend().TellName = kTellNamePlaceholder;
    SubmitTellAFriend();
    ASSERT_EQ(fakes.messageBox->shown.size(), 1);
    EXPECT_EQ(fakes.messageBox->shown[0].text, kName);
    EXPECT_EQ(fakes.messageBox->shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(fakes.urlOpener->opened.isEmpty());
    EXPECT_TRUE(modTellAFriend().TellURL.isEmpty());
}

TEST_F(SubmitTellAFriendTest, PassingDataOpensTheBuiltAddressEachTime)
{
    TellAFriendData &data = modTellAFriend();
    data.TellName = QStringLiteral("Ann");
    data.TellEmail = QStringLiteral("ann@ex.com");
    data.TellMessage = QStringLiteral("Hi");
    data.TellFriendName = QStringLiteral("Bob");
    data.TellFriendEmail = QStringLiteral("bob@ex.com");
    SubmitTellAFriend();
    SubmitTellAFriend();
    EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
    EXPECT_EQ(data.TellURL, buildTellURL(data));
    EXPECT_EQ(fakes.urlOpener->opened, QStringList({data.TellURL, data.TellURL}));
}

} // namespace
