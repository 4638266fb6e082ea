// The live panel's HTTP interface on a real socket: every route, what a bad request gets, the
// loopback-only binding and the port search, the change stream, the panel read again from disk.
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <ifaddrs.h>
#include <nlohmann/json.hpp>

#include "bench/serve/http_server.h"

namespace {

using bench::serve::http_server;
using bench::serve::live_panel;
using nlohmann::json;

const std::filesystem::path built_panel =
    std::filesystem::path(VAREK_MODULE_PATH).parent_path() / "panel" / "panel.cfg";

// A live panel served on a free port, its frames run by the test.
struct served_panel {
    explicit served_panel(const std::filesystem::path& panel_file)
        : panel({VAREK_MODULE_PATH, panel_file, 0.0}), server(panel), port(server.bind(0)) {}
    ~served_panel() {
        server.stop();
    }

    live_panel panel;
    http_server server;
    int port;
    std::jthread answering{[this] { server.run(); }};
};

// The middle of a gauge of window 0, in the window's pixels.
std::pair<double, double> middle_of(const json& layout, const std::string& gauge) {
    for (const json& placed : layout["windows"][0]["gauges"]) {
        if (placed["name"] == gauge) {
            const auto at = placed["at"].get<std::vector<double>>();
            return {at[0] + at[2] / 2, at[1] + at[3] / 2};
        }
    }
    ADD_FAILURE() << gauge << " is not on the main panel";
    return {0, 0};
}

class LivePanelHttp : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        served = std::make_unique<served_panel>(built_panel);
    }
    static void TearDownTestSuite() {
        served.reset();
    }
    static httplib::Client client() {
        httplib::Client c("127.0.0.1", served->port);
        c.set_read_timeout(10);
        return c;
    }
    static inline std::unique_ptr<served_panel> served;
};

struct request_row {
    const char* name;
    const char* method;
    std::string path;
    std::string body;
    int status;
    std::string answer_part;
};

class LivePanelRequests : public LivePanelHttp,
                          public ::testing::WithParamInterface<request_row> {};

TEST_P(LivePanelRequests, AnswerWithStatusAndMessage) {
    const request_row& row = GetParam();
    auto c = client();
    const auto reply = std::string(row.method) == "GET" ? c.Get(row.path)
                       : std::string(row.method) == "DELETE"
                           ? c.Delete(row.path)
                           : c.Post(row.path, row.body, "application/json");
    ASSERT_TRUE(reply) << httplib::to_string(reply.error());
    EXPECT_EQ(reply->status, row.status) << reply->body;
    EXPECT_NE(reply->body.find(row.answer_part), std::string::npos) << reply->body;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, LivePanelRequests,
    ::testing::Values(
        request_row{"Page", "GET", "/", "", 200, "panel.js"},
        request_row{"Script", "GET", "/panel.js", "", 200, "EventSource"},
        request_row{"Layout", "GET", "/api/layout", "", 200, "\"Battery_Switch\""},
        request_row{"Wave", "GET", "/api/wave?id=40", "", 200, "RIFF"},
        request_row{"Window", "POST", "/api/window", R"({"ident":50,"action":"close"})", 200, "ok"},
        request_row{"Pause", "POST", "/api/flight", R"({"paused":false,"rate":2})", 200, "ok"},
        request_row{"Variable", "POST", "/api/variable", R"({"name":"AIRSPEED","value":90})", 200,
                    "ok"},
        request_row{"FreeVariable", "POST", "/api/variable", R"({"name":"61","value":null})", 200,
                    "ok"},
        request_row{"Failure", "POST", "/api/failure", R"({"key":6,"active":false})", 200, "ok"},
        request_row{"Night", "POST", "/api/lighting", R"({"night":false})", 200, "ok"},
        request_row{"UnknownPath", "GET", "/etc/passwd", "", 404, "nothing is served at"},
        request_row{"SourceFile", "GET", "/panel.cfg", "", 404, "nothing is served at"},
        request_row{"UnknownRoute", "POST", "/api/nothing", "{}", 404, "not part of"},
        request_row{"WrongMethod", "DELETE", "/api/mouse", "", 405, "takes POST"},
        request_row{"MalformedJson", "POST", "/api/mouse", "{\"window\":", 400, "JSON object"},
        request_row{"MissingField", "POST", "/api/mouse", R"({"window":0,"x":1})", 400,
                    "'y' must be a number"},
        request_row{"OutsideWindow", "POST", "/api/mouse",
                    R"({"window":0,"x":-3,"y":5,"action":"press"})", 400, "outside window 0"},
        request_row{"NoSuchWindow", "POST", "/api/mouse",
                    R"({"window":42,"x":3,"y":5,"action":"press"})", 400, "no window 42"},
        request_row{"UnknownButton", "POST", "/api/mouse",
                    R"({"window":0,"x":3,"y":5,"action":"press","button":"fourth"})", 400,
                    "left, right or middle"},
        request_row{"UnknownVariable", "POST", "/api/variable", R"({"name":"WARP","value":1})", 400,
                    "unknown variable 'WARP'"},
        request_row{"RateTooHigh", "POST", "/api/flight", R"({"rate":100})", 400, "at most 16"},
        request_row{"MomentAfterTheFlight", "POST", "/api/flight", R"({"at":1e9})", 400,
                    "from 0 to 600"},
        request_row{"FailureKeyZero", "POST", "/api/failure", R"({"key":0,"active":true})", 400,
                    "from 1"},
        request_row{"HoverNotANumber", "GET", "/api/hover?window=0&x=abc&y=1", "", 400,
                    "'x' must be a number"},
        request_row{"NoSuchWave", "GET", "/api/wave?id=99", "", 404, "no wave 99"},
        request_row{"HugeBody", "POST", "/api/variable", std::string(100000, ' '), 413,
                    "too large"}),
    [](const auto& info) { return std::string(info.param.name); });

// A click on the battery switch through the interface reaches the aircraft, and the next frame
// on the change stream carries its key event, its click and a picture of the switch.
TEST_F(LivePanelHttp, ClickReachesTheNextFrame) {
    auto c = client();
    const json layout = json::parse(c.Get("/api/layout")->body);
    const auto [x, y] = middle_of(layout, "Battery_Switch");
    const auto hover =
        c.Get("/api/hover?window=0&x=" + std::to_string(x) + "&y=" + std::to_string(y));
    EXPECT_EQ(json::parse(hover->body)["cursor"], "hand") << hover->body;
    const std::uint64_t before = served->panel.changes().last();
    for (const char* action : {"press", "release"}) {
        const json click{{"window", 0}, {"x", x}, {"y", y}, {"action", action}};
        ASSERT_EQ(c.Post("/api/mouse", click.dump(), "application/json")->status, 200);
    }
    served->panel.step();
    const auto news = served->panel.changes().wait(before, std::chrono::seconds(1));
    ASSERT_FALSE(news.empty());
    const json frame = json::parse(news.back().data);
    EXPECT_NE(frame["keys"].dump().find("KEY_TOGGLE_MASTER_BATTERY"), std::string::npos);
    EXPECT_EQ(frame["sounds"][0]["wave"], 10) << frame["sounds"];
    bool switch_drawn = false;
    for (const json& tile : frame["tiles"]) {
        switch_drawn |= tile["x"] <= x && x < tile["x"].get<double>() + tile["w"].get<double>() &&
                        tile["y"] <= y && y < tile["y"].get<double>() + tile["h"].get<double>();
    }
    EXPECT_TRUE(switch_drawn);
}

// A new page's stream starts with the whole of every open window.
TEST_F(LivePanelHttp, StreamStartsWithTheWholePanel) {
    auto c = client();
    std::string received;
    c.Get("/api/events", [&](const char* data, std::size_t length) {
        received.append(data, length);
        return received.find("\n\n") == std::string::npos;
    });
    ASSERT_TRUE(received.starts_with("id: ")) << received.substr(0, 80);
    const auto data = received.find("data: ");
    const json first = json::parse(received.substr(data + 6, received.find("\n\n") - data - 6));
    EXPECT_EQ(first["tiles"][0]["w"], first["layout"]["windows"][0]["width"]);
    EXPECT_EQ(first["open"], json::array({0}));
}

TEST_F(LivePanelHttp, TakenPortGivesTheNext) {
    http_server second(served->panel);
    EXPECT_EQ(second.bind(served->port), served->port + 1);
}

// The server cannot be reached on the machine's other addresses.
TEST_F(LivePanelHttp, ListensOnLoopbackOnly) {
    ifaddrs* interfaces = nullptr;
    ASSERT_EQ(getifaddrs(&interfaces), 0);
    std::string other;
    for (const ifaddrs* i = interfaces; i != nullptr && other.empty(); i = i->ifa_next) {
        if (i->ifa_addr != nullptr && i->ifa_addr->sa_family == AF_INET) {
            char text[INET_ADDRSTRLEN];
            inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr, text,
                      sizeof text);
            other = std::string(text).starts_with("127.") ? "" : text;
        }
    }
    freeifaddrs(interfaces);
    if (other.empty()) {
        GTEST_SKIP() << "the machine has no address but the loopback";
    }
    httplib::Client c(other, served->port);
    c.set_connection_timeout(2);
    EXPECT_FALSE(c.Get("/api/layout")) << "answered on " << other;
    EXPECT_TRUE(client().Get("/api/layout"));
}

// The panel designer's loop: a changed panel.cfg is read again, its bad line reported.
TEST(LivePanelFiles, ChangedPanelIsReadAgain) {
    const auto folder = std::filesystem::temp_directory_path() / "varek_serve_panel";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(built_panel.parent_path(), folder);
    live_panel panel({VAREK_MODULE_PATH, folder / "panel.cfg", 0.0});
    EXPECT_FALSE(panel.reload_if_changed());
    {
        std::ofstream cfg(folder / "panel.cfg", std::ios::app);
        cfg << "\n[Window08]\nsize_mm=100,100\nvisible=1\nident=300\n"
               "gauge00=Varek_Instr!No_Such_Gauge, 10, 10\n";
    }
    std::filesystem::last_write_time(
        folder / "panel.cfg",
        std::filesystem::last_write_time(folder / "panel.cfg") + std::chrono::seconds(2));
    EXPECT_TRUE(panel.reload_if_changed());
    const json layout = panel.layout();
    EXPECT_EQ(layout["windows"].back()["number"], 8);
    EXPECT_NE(layout["reports"].dump().find("No_Such_Gauge"), std::string::npos)
        << layout["reports"];
    std::filesystem::remove_all(folder);
}

}  // namespace
