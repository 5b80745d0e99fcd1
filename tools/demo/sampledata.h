#pragma once
// Names, places, messages, the catalog and typical lifts the made-up
// facilities are drawn from.

#include <array>
#include <vector>

namespace vantora::tools::demo {

inline constexpr std::array<const char*, 48> FemaleNames = {
    "Abigail", "Alicia",  "Amanda",   "Amelia",   "Andrea",   "Angela", "Anna",    "Brianna",
    "Caitlin", "Carmen",  "Chloe",    "Claire",   "Danielle", "Diana",  "Elena",   "Emily",
    "Emma",    "Erin",    "Gabriela", "Grace",    "Hannah",   "Isabel", "Jasmine", "Jennifer",
    "Jessica", "Julia",   "Kaitlyn",  "Karen",    "Laura",    "Lauren", "Leah",    "Linda",
    "Lucia",   "Maria",   "Megan",    "Michelle", "Natalie",  "Nicole", "Olivia",  "Priya",
    "Rachel",  "Rebecca", "Renee",    "Sarah",    "Sofia",    "Susan",  "Taylor",  "Zoe"};
inline constexpr std::array<const char*, 48> MaleNames = {
    "Aaron",    "Adam",    "Alejandro",   "Andrew", "Anthony",  "Benjamin", "Brandon", "Brian",
    "Caleb",    "Carlos",  "Christopher", "Daniel", "David",    "Derek",    "Dylan",   "Eric",
    "Ethan",    "Gabriel", "Gregory",     "Isaac",  "Jacob",    "James",    "Jason",   "Jeffrey",
    "Jonathan", "Jordan",  "Joseph",      "Joshua", "Kevin",    "Kyle",     "Liam",    "Luis",
    "Marcus",   "Matthew", "Michael",     "Nathan", "Nicholas", "Omar",     "Patrick", "Raj",
    "Robert",   "Ryan",    "Samuel",      "Steven", "Thomas",   "Tyler",    "William", "Zachary"};
inline constexpr std::array<const char*, 80> LastNames = {
    "Adams",    "Alvarez",  "Anderson", "Baker",   "Bennett",  "Brooks",    "Brown",    "Campbell",
    "Carter",   "Castillo", "Chen",     "Clark",   "Collins",  "Cooper",    "Cruz",     "Davis",
    "Diaz",     "Edwards",  "Evans",    "Fischer", "Flores",   "Foster",    "Garcia",   "Gomez",
    "Gonzalez", "Gray",     "Green",    "Hall",    "Harris",   "Hernandez", "Hill",     "Howard",
    "Hughes",   "Jackson",  "James",    "Jenkins", "Johnson",  "Jones",     "Kelly",    "Kim",
    "King",     "Kowalski", "Lee",      "Lewis",   "Lopez",    "Martin",    "Martinez", "Miller",
    "Mitchell", "Moore",    "Morales",  "Murphy",  "Nguyen",   "Novak",     "O'Brien",  "O'Connor",
    "Ortiz",    "Parker",   "Patel",    "Perez",   "Peterson", "Phillips",  "Price",    "Ramirez",
    "Reed",     "Reyes",    "Rivera",   "Roberts", "Robinson", "Rodriguez", "Rogers",   "Russell",
    "Sanchez",  "Schmidt",  "Scott",    "Shah",    "Smith",    "Sullivan",  "Taylor",   "Thompson"};
inline constexpr std::array<const char*, 20> Streets = {
    "Maple St",    "Oak Ave",         "Elm St",        "College Ave",  "High St",
    "Park Rd",     "Lincoln Ave",     "Washington St", "Cedar Ln",     "Hillcrest Dr",
    "Lakeview Dr", "Main St",         "Walnut St",     "Prospect Ave", "River Rd",
    "Summit St",   "University Blvd", "Willow Way",    "Chestnut St",  "Birch Ct"};
struct Town {
    const char* city;
    const char* zip;
    const char* area;
};
inline constexpr std::array<Town, 6> Towns = {{{"Columbus", "43210", "614"},
                                               {"Worthington", "43085", "614"},
                                               {"Dublin", "43017", "614"},
                                               {"Westerville", "43081", "614"},
                                               {"Delaware", "43015", "740"},
                                               {"Newark", "43055", "740"}}};
inline constexpr std::array<const char*, 4> MailDomains = {"example.com", "example.org",
                                                           "example.net", "example.edu"};
inline constexpr std::array<const char*, 5> Messages = {
    "Please stop by the front desk to renew your membership.",
    "Your re-evaluation is due this week; ask a staff member to schedule it.",
    "Great job: 20 workouts this term! Pick up your incentive club T-shirt.",
    "Your locker assignment ends Friday. Please empty the locker or renew it.",
    "We still need your signed release form. Please bring it to the desk."};

// The demo catalog: category, course, sections (the facility starts with
// FIT / FIT 101 / 01, which stays).
struct CatalogCourse {
    long catId;
    const char* cat;
    long courId;
    const char* cour;
    std::vector<const char*> sections;
};
const std::vector<CatalogCourse>& Catalog();

// Typical progressive lift of each circuit station as a share of body
// weight for a man of average strength (a woman's is about two thirds).
inline constexpr std::array<double, 24> LiftShare = {
    0.60, 1.50, 0.55, 0.35, 0.50, 0.45, 0.35, 0.40, 0.45, 0.20, 0.20, 0.50,
    0.50, 1.00, 0.35, 0.25, 0.40, 0.40, 0.45, 0.45, 0.15, 0.45, 1.20, 0.50};
// Leg press, standing calf raise and hack squat carry heavier stacks.
inline constexpr std::array<int, 3> HeavyStations = {1, 13, 22};

} // namespace vantora::tools::demo
